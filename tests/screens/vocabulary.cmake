kesto_add_test(TestVocabularyScreen
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestVocabularyScreen.cpp ${CMAKE_CURRENT_LIST_DIR}/AnsweringFilePicker.h
  LINK kesto_screens LABELS ui)
# Pictures of both tabs, light and dark, for a person to look at.
kesto_add_test(TestVocabularyGallery
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestVocabularyGallery.cpp ${CMAKE_CURRENT_LIST_DIR}/ScreenPicture.h
  LINK kesto_screens LABELS ui ENV "KESTO_GALLERY_DIR=${CMAKE_BINARY_DIR}/gallery" "QT_SCALE_FACTOR=2")
