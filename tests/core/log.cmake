kesto_add_test(TestLog SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestLog.cpp LINK kesto_core)
