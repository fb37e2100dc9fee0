# The settings panel and its tabs, offscreen.
kesto_add_test(TestSettingsPanel SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSettingsPanel.cpp LINK kesto_settings)
kesto_add_test(TestSettingsTabs SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSettingsTabs.cpp LINK kesto_settings)
# Pictures of every tab, light and dark, for a person to look at.
kesto_add_test(TestSettingsGallery SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSettingsGallery.cpp LINK kesto_settings
  LABELS ui ENV "KESTO_GALLERY_DIR=${CMAKE_BINARY_DIR}/gallery" "QT_SCALE_FACTOR=2")
