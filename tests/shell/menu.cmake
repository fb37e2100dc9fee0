kesto_add_test(TestStatusMenu SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestStatusMenu.cpp LINK kesto_shell)
kesto_add_test(TestTrayOnX11 SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestTrayOnX11.cpp LINK kesto_shell LABELS x11
  ENV ${KESTO_FAKE_TRAY})
add_dependencies(TestTrayOnX11 kesto-test-fake-tray)
