kesto_add_bench(BenchAudio SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchAudio.cpp LINK kesto_engine)
