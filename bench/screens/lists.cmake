kesto_add_bench(BenchLongLists SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchLongLists.cpp LINK kesto_screens Qt6::Test)
