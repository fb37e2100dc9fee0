# The model service: errors, the client against a loopback fake, the prompt and the note filer.
kesto_add_test(TestGeminiError SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestGeminiError.cpp LINK kesto_engine)
kesto_add_test(TestGeminiClient SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestGeminiClient.cpp LINK kesto_engine)
kesto_add_test(TestGeminiPrompt SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestGeminiPrompt.cpp LINK kesto_engine)
kesto_add_test(TestNoteFiler SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestNoteFiler.cpp LINK kesto_engine)
kesto_add_test(TestGeminiProxy SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestGeminiProxy.cpp LINK kesto_engine)
