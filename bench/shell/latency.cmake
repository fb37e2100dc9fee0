if(TARGET kesto-viruz AND TARGET kesto-test-text-window)
  kesto_add_bench(BenchDictationLatency SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchDictationLatency.cpp LINK Qt6::Core)
  target_compile_definitions(BenchDictationLatency PRIVATE
    KESTO_APP="$<TARGET_FILE:kesto-viruz>" KESTO_TEXT_WINDOW="$<TARGET_FILE:kesto-test-text-window>")
  add_dependencies(BenchDictationLatency kesto-viruz kesto-test-text-window)
endif()
