kesto_add_test(TestHistory SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestHistory.cpp LINK kesto_core)
kesto_add_test(TestNotesStore SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestNotesStore.cpp LINK kesto_core)
kesto_add_test(TestFormat SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestFormat.cpp LINK kesto_core)
kesto_add_test(TestAppState SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestAppState.cpp LINK kesto_core)
