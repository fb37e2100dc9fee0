# The application's own start after an update, installed in a test folder.
if(TARGET kesto-viruz)
  kesto_add_test(TestUpdateStart SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestUpdateStart.cpp
    LINK kesto_shell LABELS x11 dbus TIMEOUT 180 ENV "KESTO_APP=$<TARGET_FILE:kesto-viruz>")
  target_compile_definitions(TestUpdateStart PRIVATE KESTO_UPDATE_CHILD="$<TARGET_FILE:kesto-test-update-child>")
  add_dependencies(TestUpdateStart kesto-viruz kesto-test-update-child)
endif()
