kesto_add_test(TestPhoneLink SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPhoneLink.cpp LINK kesto_shell TIMEOUT 120)
