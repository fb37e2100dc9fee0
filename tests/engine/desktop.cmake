kesto_add_test(TestHotkeyMonitor SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestHotkeyMonitor.cpp LINK kesto_engine)
kesto_add_test(TestTextInjector SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestTextInjector.cpp LINK kesto_engine)
kesto_add_test(TestDesktopX11 SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDesktopX11.cpp LINK kesto_engine
  LABELS x11 ENV ${KESTO_TEXT_WINDOW} ${KESTO_FAKE_KEY})
add_dependencies(TestDesktopX11 kesto-test-text-window kesto-test-fake-key)
