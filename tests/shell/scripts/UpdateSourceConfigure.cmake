# The configure step refuses an update feed an attacker on the network could
# rewrite and a release key that is not 32 bytes.
# cmake -DSOURCE_DIR=<project> -DWORK_DIR=<scratch folder> -P UpdateSourceConfigure.cmake

set(good_key "Ey7Il+pcJ1WJkJUwRhCmiLc1RFPdCgrhlSNo5oVwa4g=")
set(failures 0)

# check_case(<name> <feed> <key> <ACCEPT|REFUSE> [message part])
function(check_case name feed key verdict)
  execute_process(
    COMMAND ${CMAKE_COMMAND} "-DKESTO_UPDATE_FEED_URL=${feed}" "-DKESTO_UPDATE_PUBLIC_KEY=${key}"
            -P ${SOURCE_DIR}/cmake/UpdateSource.cmake
    RESULT_VARIABLE code ERROR_VARIABLE output OUTPUT_QUIET)
  if((verdict STREQUAL "ACCEPT" AND NOT code EQUAL 0) OR (verdict STREQUAL "REFUSE" AND code EQUAL 0))
    message(SEND_ERROR "${name}: expected ${verdict}, exit code ${code}\n${output}")
  endif()
endfunction()

check_case("https feed" "https://example.org/kesto/feed.xml" "${good_key}" ACCEPT)
check_case("http on 127.0.0.1" "http://127.0.0.1:9/feed.xml" "${good_key}" ACCEPT)
check_case("http on [::1]" "http://[::1]:8080/feed.xml" "${good_key}" ACCEPT)
check_case("no feed, no key" "" "" ACCEPT)
check_case("http on another computer" "http://192.0.2.2:8080/feed.xml" "${good_key}" REFUSE)
check_case("http by name" "http://localhost/feed.xml" "${good_key}" REFUSE)
check_case("loopback only as a user name" "http://127.0.0.1@example.org/feed.xml" "${good_key}" REFUSE)
check_case("another scheme" "ftp://example.org/feed.xml" "${good_key}" REFUSE)
check_case("no key" "https://example.org/feed.xml" "" REFUSE)
check_case("44 characters, not base64" "https://example.org/feed.xml" "############################################" REFUSE)
check_case("33 bytes' worth" "https://example.org/feed.xml" "Ey7Il+pcJ1WJkJUwRhCmiLc1RFPdCgrhlSNo5oVwa4h=" REFUSE)
check_case("31 bytes" "https://example.org/feed.xml" "Ey7Il+pcJ1WJkJUwRhCmiLc1RFPdCgrhlSNo5oVwa4==" REFUSE)

# The project's own configure step stops on both, before anything is built.
foreach(run "feed;http://192.0.2.2:8080/feed.xml;${good_key};must be an https://"
            "key;https://example.org/feed.xml;############################################;is not the base64")
  list(GET run 0 label)
  list(GET run 1 feed)
  list(GET run 2 key)
  list(GET run 3 expected)
  set(build ${WORK_DIR}/configure-${label})
  file(REMOVE_RECURSE ${build})
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build} -G Ninja
            "-DKESTO_UPDATE_FEED_URL=${feed}" "-DKESTO_UPDATE_PUBLIC_KEY=${key}"
    RESULT_VARIABLE code OUTPUT_QUIET ERROR_VARIABLE output)
  file(REMOVE_RECURSE ${build})
  string(FIND "${output}" "${expected}" at)
  if(code EQUAL 0 OR at EQUAL -1)
    message(SEND_ERROR "configure with a bad ${label}: exit code ${code}, expected \"${expected}\"\n${output}")
  endif()
endforeach()
