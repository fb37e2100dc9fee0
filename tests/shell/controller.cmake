kesto_add_test(TestAppDelegate SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestAppDelegate.cpp LINK kesto_shell)
