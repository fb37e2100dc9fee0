kesto_add_test(TestVocabularyScreen
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestVocabularyScreen.cpp ${CMAKE_CURRENT_LIST_DIR}/AnsweringFilePicker.h
  LINK kesto_screens LABELS ui)
