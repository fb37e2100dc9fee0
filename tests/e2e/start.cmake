# The built application starting on the test X server.
if(TARGET kesto-viruz)
  kesto_add_test(TestApplicationStart SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestApplicationStart.cpp
    LINK Qt6::Core LABELS x11 TIMEOUT 180 ENV "KESTO_APP=$<TARGET_FILE:kesto-viruz>")
  add_dependencies(TestApplicationStart kesto-viruz)
endif()
