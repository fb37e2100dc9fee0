kesto_add_bench(BenchAudio SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchAudio.cpp LINK kesto_engine)
kesto_add_bench(BenchLiveUpload SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchLiveUpload.cpp LINK kesto_engine)
