kesto_add_bench(BenchNoteTyping SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchNoteTyping.cpp LINK kesto_screens Qt6::Test)
