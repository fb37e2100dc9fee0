kesto_add_test(TestDataActionsWords SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDataActionsWords.cpp LINK kesto_core)
