# The built application used by real keys alone, driven with XTest.
if(TARGET kesto-viruz)
  kesto_add_test(TestKeyboardEndToEnd SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestKeyboardEndToEnd.cpp
    LINK Qt6::Widgets LABELS x11 TIMEOUT 400
    ENV "KESTO_APP=$<TARGET_FILE:kesto-viruz>")
  add_dependencies(TestKeyboardEndToEnd kesto-viruz)
endif()
