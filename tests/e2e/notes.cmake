# The built application's Notes screen driven through its main window.
if(TARGET kesto-viruz)
  kesto_add_test(TestNotesEndToEnd SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestNotesEndToEnd.cpp
    LINK Qt6::Widgets LABELS x11 audio dbus TIMEOUT 240
    ENV "KESTO_APP=$<TARGET_FILE:kesto-viruz>")
  add_dependencies(TestNotesEndToEnd kesto-viruz)
endif()
