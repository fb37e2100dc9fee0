# Saving, quitting, keeping a recording and exporting on a full disk: the
# small file system of scripts/test-env, filled by the test.
kesto_add_test(TestFullDisk SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestFullDisk.cpp LINK kesto_shell LABELS smallfs dbus)
