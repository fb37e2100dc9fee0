# The built application's first run through the wizard, and the permissions
# window of a later start, driven with real input under Xvfb.
if(TARGET kesto-viruz AND TARGET kesto_onboarding)
  kesto_add_test(TestOnboardingEndToEnd SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestOnboardingEndToEnd.cpp
    LINK kesto_onboarding Qt6::Widgets LABELS x11 audio dbus TIMEOUT 240
    ENV "KESTO_APP=$<TARGET_FILE:kesto-viruz>")
  add_dependencies(TestOnboardingEndToEnd kesto-viruz)
endif()
