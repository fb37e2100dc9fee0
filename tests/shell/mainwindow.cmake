# The main window's frame: size, placement, kept geometry, drawn buttons, theme.
kesto_add_test(TestMainWindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainWindow.cpp LINK kesto_shell LABELS ui)
