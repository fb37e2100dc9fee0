# The Notes screen: its rules, its widgets and their pictures.
if(TARGET kesto_screens)
  kesto_add_test(TestNotesModel SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestNotesModel.cpp ${CMAKE_CURRENT_LIST_DIR}/NotesFixture.h
    LINK kesto_screens)
endif()
if(TARGET kesto_screens)
  kesto_add_test(TestNotesScreen SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestNotesScreen.cpp ${CMAKE_CURRENT_LIST_DIR}/NotesScreenRig.h
    LINK kesto_screens LABELS ui)
  kesto_add_test(TestNoteTextView SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestNoteTextView.cpp ${CMAKE_CURRENT_LIST_DIR}/NotesScreenRig.h
    LINK kesto_screens LABELS ui)
endif()
if(TARGET kesto_screens)
  kesto_add_test(TestNotesGallery SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestNotesGallery.cpp ${CMAKE_CURRENT_LIST_DIR}/NotesScreenRig.h
    LINK kesto_screens LABELS ui ENV "KESTO_GALLERY_DIR=${CMAKE_BINARY_DIR}/gallery" "QT_SCALE_FACTOR=2")
endif()
