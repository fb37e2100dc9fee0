kesto_add_test(TestStartupPieces SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestStartupPieces.cpp LINK kesto_shell)
kesto_add_test(TestLevelDisplay SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestLevelDisplay.cpp LINK kesto_shell)
