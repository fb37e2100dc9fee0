# The panel driving the real controller: key check, applying, restart; and
# the microphone tab on the test sound server.
if(TARGET kesto_shell)
  kesto_add_test(TestSettingsWiring SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSettingsWiring.cpp LINK kesto_shell TIMEOUT 120)
  kesto_add_test(TestMicrophoneTab SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMicrophoneTab.cpp LINK kesto_shell
    LABELS audio TIMEOUT 120)
endif()
