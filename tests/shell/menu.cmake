kesto_add_test(TestStatusMenu SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestStatusMenu.cpp LINK kesto_shell)
