# The update feed, the update controller and the installer, against a feed
# served on loopback and releases signed by a key made in the test.
kesto_add_test(TestUpdateFeed SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestUpdateFeed.cpp LINK kesto_engine)
kesto_add_test(TestUpdateController SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestUpdateController.cpp LINK kesto_engine)
kesto_add_test(TestUpdateInstaller SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestUpdateInstaller.cpp LINK kesto_engine)
# Installs killed at every step, raced and started for real, by a child
# process that installs as the application does.
add_executable(kesto-test-update-child ${PROJECT_SOURCE_DIR}/tests/support/programs/UpdateChild.cpp)
target_link_libraries(kesto-test-update-child PRIVATE kesto_engine)
kesto_add_test(TestUpdateRecovery SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestUpdateRecovery.cpp LINK kesto_engine)
target_compile_definitions(TestUpdateRecovery PRIVATE KESTO_UPDATE_CHILD="$<TARGET_FILE:kesto-test-update-child>")
add_dependencies(TestUpdateRecovery kesto-test-update-child)
# An update on the small file system of scripts/test-env, filled by the test.
kesto_add_test(TestUpdateFullDisk SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestUpdateFullDisk.cpp LINK kesto_engine LABELS smallfs)
