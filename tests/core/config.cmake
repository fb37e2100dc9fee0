kesto_add_test(TestConfig SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestConfig.cpp LINK kesto_core)
kesto_add_test(TestVocabulary SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestVocabulary.cpp LINK kesto_core)
kesto_add_test(TestLanguages SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestLanguages.cpp LINK kesto_core)
