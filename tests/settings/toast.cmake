# Toasts raised while the settings are open, on the real main view and panel;
# their pictures go with the gallery.
kesto_add_test(TestSettingsToast SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSettingsToast.cpp
  LINK kesto_settings kesto_screens LABELS ui ENV "KESTO_GALLERY_DIR=${CMAKE_BINARY_DIR}/gallery" "QT_SCALE_FACTOR=2")
