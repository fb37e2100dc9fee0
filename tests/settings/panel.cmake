# The settings panel and its tabs, offscreen.
kesto_add_test(TestSettingsPanel SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSettingsPanel.cpp LINK kesto_settings)
kesto_add_test(TestSettingsTabs SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSettingsTabs.cpp LINK kesto_settings)
