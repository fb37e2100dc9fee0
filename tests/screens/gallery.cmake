# Pictures of the main window, light and dark, for a person to look at.
kesto_add_test(TestMainGallery SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainGallery.cpp LINK kesto_screens LABELS ui
  ENV "KESTO_GALLERY_DIR=${CMAKE_BINARY_DIR}/gallery" "QT_SCALE_FACTOR=2")
