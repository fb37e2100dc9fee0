kesto_add_test(TestGeminiError SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestGeminiError.cpp LINK kesto_engine)
