# The main view's frame: sidebar, screens, toast layer, settings overlay, keys.
kesto_add_test(TestMainView SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainView.cpp LINK kesto_screens LABELS ui)
kesto_add_test(TestSidebar SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSidebar.cpp LINK kesto_screens LABELS ui)
