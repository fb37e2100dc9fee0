# The built application's settings panel driven with real input under Xvfb:
# a new talk key, and a restart into another interface language.
if(TARGET kesto-viruz AND TARGET kesto_settings AND TARGET kesto-test-fake-key)
  kesto_add_test(TestSettingsEndToEnd SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSettingsEndToEnd.cpp
    LINK kesto_settings kesto_screens Qt6::Widgets LABELS x11 audio dbus TIMEOUT 240
    ENV "KESTO_APP=$<TARGET_FILE:kesto-viruz>" ${KESTO_FAKE_KEY})
  add_dependencies(TestSettingsEndToEnd kesto-viruz kesto-test-fake-key)
endif()
