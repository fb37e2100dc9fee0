# The built application's Notes screen driven through its main window; it
# runs once the main view shows the Notes screen.
set(kesto_main_view ${PROJECT_SOURCE_DIR}/src/screens/MainView.cpp)
set(kesto_notes_in_window FALSE)
if(EXISTS ${kesto_main_view})
  file(READ ${kesto_main_view} kesto_main_view_text)
  string(FIND "${kesto_main_view_text}" "NotesScreen" kesto_notes_at)
  if(NOT kesto_notes_at EQUAL -1)
    set(kesto_notes_in_window TRUE)
  endif()
endif()
if(TARGET kesto-viruz AND kesto_notes_in_window)
  kesto_add_test(TestNotesEndToEnd SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestNotesEndToEnd.cpp
    LINK Qt6::Widgets LABELS x11 audio dbus TIMEOUT 240
    ENV "KESTO_APP=$<TARGET_FILE:kesto-viruz>")
  add_dependencies(TestNotesEndToEnd kesto-viruz)
endif()
