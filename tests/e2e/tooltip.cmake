# The pill's tooltip on the test X server, in the application's theme.
if(TARGET kesto-viruz)
  kesto_add_test(TestPillToolTip SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPillToolTip.cpp
    LINK kesto_design Qt6::Gui LABELS x11 TIMEOUT 120
    ENV "KESTO_APP=$<TARGET_FILE:kesto-viruz>" "KESTO_PICTURE_DIR=${CMAKE_BINARY_DIR}/gallery")
  add_dependencies(TestPillToolTip kesto-viruz)
endif()
