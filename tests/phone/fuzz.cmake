# A short fuzz run of the request parser with libFuzzer, built by clang in a
# project of its own (tests/phone/fuzz) when clang and its fuzzer runtime are
# installed.
find_program(KESTO_CLANGXX NAMES clang++ clang++-14)
if(KESTO_CLANGXX AND NOT DEFINED KESTO_HAVE_LIBFUZZER)
  set(probe ${CMAKE_BINARY_DIR}/CMakeFiles/libfuzzer-probe)
  file(WRITE ${probe}.cpp "#include <cstddef>\n#include <cstdint>\n"
    "extern \"C\" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }\n")
  execute_process(COMMAND ${KESTO_CLANGXX} -fsanitize=fuzzer ${probe}.cpp -o ${probe}
    RESULT_VARIABLE probe_result OUTPUT_QUIET ERROR_QUIET)
  if(probe_result EQUAL 0)
    set(KESTO_HAVE_LIBFUZZER ON CACHE BOOL "clang builds libFuzzer targets")
  else()
    set(KESTO_HAVE_LIBFUZZER OFF CACHE BOOL "clang builds libFuzzer targets")
  endif()
endif()

if(KESTO_HAVE_LIBFUZZER)
  include(ExternalProject)
  set(fuzz_dir ${CMAKE_BINARY_DIR}/fuzz)
  ExternalProject_Add(phone_http_fuzzer
    SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/fuzz
    BINARY_DIR ${fuzz_dir}
    CMAKE_ARGS -DCMAKE_CXX_COMPILER=${KESTO_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
      -DCMAKE_CXX_COMPILER_LAUNCHER=${CCACHE_PROGRAM} -DQt6_DIR=${Qt6_DIR} -DKESTO_SOURCE_DIR=${PROJECT_SOURCE_DIR}
    BUILD_ALWAYS ON
    INSTALL_COMMAND "")
  # New inputs go to the build's corpus; the committed seeds stay as they are.
  file(MAKE_DIRECTORY ${fuzz_dir}/corpus)
  add_test(NAME FuzzPhoneHttp COMMAND ${fuzz_dir}/fuzz-phone-http -runs=300000 -max_total_time=60 -max_len=17000
    -dict=${CMAKE_CURRENT_LIST_DIR}/fuzz/http.dict -print_final_stats=1
    ${fuzz_dir}/corpus ${CMAKE_CURRENT_LIST_DIR}/fuzz/seeds)
  set_tests_properties(FuzzPhoneHttp PROPERTIES LABELS fuzz TIMEOUT 120)
endif()
