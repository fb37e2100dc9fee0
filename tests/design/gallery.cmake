# Pictures of every control, light and dark, for a person to look at.
kesto_add_test(TestGallery SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestGallery.cpp ${CMAKE_CURRENT_LIST_DIR}/GallerySheet.h
  LINK kesto_design LABELS ui ENV "KESTO_GALLERY_DIR=${CMAKE_BINARY_DIR}/gallery" "QT_SCALE_FACTOR=2")
