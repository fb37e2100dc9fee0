kesto_add_bench(BenchPhoneFlood SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchPhoneFlood.cpp LINK kesto_phone Qt6::Test)
