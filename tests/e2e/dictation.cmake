# The built application driven end to end: talk key, microphone, service,
# delivery, History and notifications.
# Its fake Gemini service arrives with the Gemini client.
if(TARGET kesto-viruz AND TARGET kesto-test-text-window AND EXISTS ${PROJECT_SOURCE_DIR}/tests/support/FakeGemini.h)
  kesto_add_test(TestDictationEndToEnd SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDictationEndToEnd.cpp
    LINK kesto_core Qt6::Widgets LABELS x11 audio dbus TIMEOUT 300
    ENV "KESTO_APP=$<TARGET_FILE:kesto-viruz>" "KESTO_TEXT_WINDOW=$<TARGET_FILE:kesto-test-text-window>")
  add_dependencies(TestDictationEndToEnd kesto-viruz kesto-test-text-window)
endif()
