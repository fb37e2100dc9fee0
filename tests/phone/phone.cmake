kesto_add_test(TestPhoneHttp SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPhoneHttp.cpp LINK kesto_phone)
kesto_add_test(TestPhoneRoutes SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPhoneRoutes.cpp LINK kesto_phone)
kesto_add_test(TestLocalAddresses SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestLocalAddresses.cpp LINK kesto_phone)
kesto_add_test(TestServerIdentity SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestServerIdentity.cpp LINK kesto_phone)
