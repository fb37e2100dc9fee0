# The built application starting on the test X server.
if(TARGET kesto-viruz)
  kesto_add_test(TestApplicationStart SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestApplicationStart.cpp
    LINK Qt6::Core LABELS x11 TIMEOUT 180 ENV "KESTO_APP=$<TARGET_FILE:kesto-viruz>")
  add_dependencies(TestApplicationStart kesto-viruz)
endif()

# The application's X server killed under it.
if(TARGET kesto-viruz)
  kesto_add_test(TestDisplayLoss SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDisplayLoss.cpp
    LINK Qt6::Core PkgConfig::KESTO_TEST_XTST LABELS x11 TIMEOUT 120 ENV "KESTO_APP=$<TARGET_FILE:kesto-viruz>")
  add_dependencies(TestDisplayLoss kesto-viruz)
endif()
