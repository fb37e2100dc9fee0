# The main window's frame: size, placement, kept geometry, drawn buttons, theme.
kesto_add_test(TestMainWindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainWindow.cpp LINK kesto_shell LABELS ui)
# Its edges on a real X server: controls along them keep the mouse, the rest resizes.
kesto_add_test(TestMainWindowEdges SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainWindowEdges.cpp LINK kesto_shell LABELS x11)
# The main window and its panels used by keys alone.
kesto_add_test(TestKeyboard SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestKeyboard.cpp LINK kesto_shell LABELS ui)
