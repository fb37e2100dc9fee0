# Pictures of the main window as the application assembles it, light and
# dark, checked for the theme's own colours.
kesto_add_test(TestMainGallery SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainGallery.cpp LINK kesto_shell LABELS ui
  ENV "KESTO_GALLERY_DIR=${CMAKE_BINARY_DIR}/gallery" "QT_SCALE_FACTOR=2")
# Every menu and the alert from the real windows, in three languages, light
# and dark, checked for the theme's own colours.
kesto_add_test(TestMenuGallery SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMenuGallery.cpp LINK kesto_shell LABELS ui
  ENV "KESTO_GALLERY_DIR=${CMAKE_BINARY_DIR}/gallery")
