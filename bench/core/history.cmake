kesto_add_bench(BenchHistory SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchHistory.cpp LINK kesto_core)
