# The History screen, its cards and the lazily built list.
kesto_add_test(TestHistoryScreen SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestHistoryScreen.cpp LINK kesto_screens LABELS ui)
kesto_add_test(TestEntryCard SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestEntryCard.cpp LINK kesto_screens LABELS ui)
kesto_add_test(TestFoldedText SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestFoldedText.cpp LINK kesto_screens)
