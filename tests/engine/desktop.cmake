kesto_add_test(TestHotkeyMonitor SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestHotkeyMonitor.cpp LINK kesto_engine)
kesto_add_test(TestTextInjector SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestTextInjector.cpp LINK kesto_engine)
kesto_add_test(TestDesktopX11 SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDesktopX11.cpp LINK kesto_engine
  LABELS x11 ENV ${KESTO_TEXT_WINDOW} ${KESTO_FAKE_KEY})
add_dependencies(TestDesktopX11 kesto-test-text-window kesto-test-fake-key)
# Its own bus and sound server: the shared ones carry other tests' sounds.
kesto_add_test(TestMediaControl SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMediaControl.cpp LINK kesto_engine)
kesto_add_test(TestNotifier SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestNotifier.cpp LINK kesto_engine LABELS dbus)
# No display, no bus, no sound server: each service says so in the log.
kesto_add_test(TestDesktopWithoutServices SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDesktopWithoutServices.cpp
  LINK kesto_engine
  ENV "DISPLAY=" "WAYLAND_DISPLAY=" "DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/kesto-bus"
      "PULSE_SERVER=unix:/nonexistent/kesto-pulse")
# One long mixed-script text typed into a Qt field, a GTK terminal and a
# Chromium text area.
kesto_add_test(TestTypingTargets SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestTypingTargets.cpp LINK kesto_engine
  LABELS x11 browser ENV ${KESTO_TEXT_WINDOW})
add_dependencies(TestTypingTargets kesto-test-text-window)
# Pasting into real clients on the test display: each terminal family, and
# a long text into a Qt text field and a terminal.
kesto_add_test(TestPasteTargets SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPasteTargets.cpp LINK kesto_engine
  LABELS x11 ENV ${KESTO_TEXT_WINDOW})
add_dependencies(TestPasteTargets kesto-test-text-window)
