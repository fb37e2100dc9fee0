kesto_add_test(TestHotkeyMonitor SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestHotkeyMonitor.cpp LINK kesto_engine)
kesto_add_test(TestTextInjector SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestTextInjector.cpp LINK kesto_engine)
