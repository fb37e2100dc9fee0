kesto_add_bench(BenchMainWindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchMainWindow.cpp LINK kesto_screens)
