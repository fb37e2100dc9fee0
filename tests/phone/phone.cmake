kesto_add_test(TestPhoneHttp SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPhoneHttp.cpp LINK kesto_phone)
kesto_add_test(TestPhoneRoutes SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPhoneRoutes.cpp LINK kesto_phone)
kesto_add_test(TestLocalAddresses SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestLocalAddresses.cpp LINK kesto_phone)
kesto_add_test(TestPhoneAudio SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPhoneAudio.cpp LINK kesto_phone kesto_engine Qt6::Concurrent)
kesto_add_test(TestServerIdentity SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestServerIdentity.cpp LINK kesto_phone)
kesto_add_test(TestPhoneServer SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPhoneServer.cpp LINK kesto_phone TIMEOUT 120)
kesto_add_test(TestPhonePage SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPhonePage.cpp LINK kesto_phone Qt6::Gui
  LABELS browser TIMEOUT 180)
target_compile_definitions(TestPhonePage PRIVATE KESTO_GALLERY_DIR="${CMAKE_BINARY_DIR}/gallery")
# Sustained load with wrk: run alone, so the other tests' timers are not starved.
kesto_add_test(TestPhoneLoad SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPhoneLoad.cpp LINK kesto_phone TIMEOUT 120)
set_tests_properties(TestPhoneLoad PROPERTIES RUN_SERIAL ON)
