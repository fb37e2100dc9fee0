# The built application's keyboard focus after clicks, driven with XTest.
if(TARGET kesto-viruz)
  kesto_add_test(TestFocusEndToEnd SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestFocusEndToEnd.cpp
    LINK kesto_screens Qt6::Widgets LABELS x11 TIMEOUT 240
    ENV "KESTO_APP=$<TARGET_FILE:kesto-viruz>")
  add_dependencies(TestFocusEndToEnd kesto-viruz)
endif()
