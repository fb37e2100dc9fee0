kesto_add_bench(BenchIcons SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchIcons.cpp LINK kesto_design)
