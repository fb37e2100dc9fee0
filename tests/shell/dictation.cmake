kesto_add_test(TestDictationControl SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDictationControl.cpp LINK kesto_shell)
kesto_add_test(TestDictationPipeline SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDictationPipeline.cpp LINK kesto_shell)
