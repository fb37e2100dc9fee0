# The update feed and release key a build is made with. A feed an attacker
# on the network could rewrite, or a key that is not an Ed25519 public key,
# stops the configure step instead of producing an updater that trusts them.
#
# Also runs on its own: cmake -DKESTO_UPDATE_FEED_URL=... -DKESTO_UPDATE_PUBLIC_KEY=... -P UpdateSource.cmake

# kesto_check_update_source(<feed url> <base64 key>)
function(kesto_check_update_source feed key)
  if(feed STREQUAL "")
    return()
  endif()
  if(NOT feed MATCHES "^([A-Za-z][A-Za-z0-9+.-]*)://([^/?#]*)")
    message(FATAL_ERROR "KESTO_UPDATE_FEED_URL is not an address: ${feed}")
  endif()
  string(TOLOWER "${CMAKE_MATCH_1}" scheme)
  set(authority "${CMAKE_MATCH_2}")
  if(authority MATCHES "@")
    message(FATAL_ERROR "KESTO_UPDATE_FEED_URL must not carry a user name: ${feed}")
  endif()
  # The host without its port; an IPv6 address keeps its brackets.
  if(authority MATCHES "^(\\[[0-9A-Fa-f:.]*\\])(:[0-9]*)?$")
    string(TOLOWER "${CMAKE_MATCH_1}" host)
  elseif(authority MATCHES "^([^:]*)(:[0-9]*)?$")
    string(TOLOWER "${CMAKE_MATCH_1}" host)
  else()
    message(FATAL_ERROR "KESTO_UPDATE_FEED_URL has no readable host: ${feed}")
  endif()
  if(host STREQUAL "")
    message(FATAL_ERROR "KESTO_UPDATE_FEED_URL has no host: ${feed}")
  endif()
  # Only this computer may be reached without TLS: what a test feed needs.
  set(loopback FALSE)
  if(host MATCHES "^127\\.[0-9]+\\.[0-9]+\\.[0-9]+$" OR host STREQUAL "[::1]")
    set(loopback TRUE)
  endif()
  if(NOT scheme STREQUAL "https" AND NOT (scheme STREQUAL "http" AND loopback))
    message(FATAL_ERROR "KESTO_UPDATE_FEED_URL must be an https:// address (plain http only to 127.0.0.1 or [::1]): ${feed}")
  endif()
  # 32 bytes are 43 base64 digits and one "=", the last digit's two spare
  # bits zero: anything else does not decode to exactly 32 bytes.
  if(key STREQUAL "")
    message(FATAL_ERROR "KESTO_UPDATE_FEED_URL needs KESTO_UPDATE_PUBLIC_KEY, the base64 of a 32-byte Ed25519 key")
  endif()
  string(LENGTH "${key}" length)
  if(NOT length EQUAL 44 OR NOT key MATCHES "^[A-Za-z0-9+/]+[AEIMQUYcgkosw048]=$")
    message(FATAL_ERROR "KESTO_UPDATE_PUBLIC_KEY is not the base64 of a 32-byte Ed25519 key: ${key}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  kesto_check_update_source("${KESTO_UPDATE_FEED_URL}" "${KESTO_UPDATE_PUBLIC_KEY}")
endif()
