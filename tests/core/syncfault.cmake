# The disk failing only when written bytes are flushed, made by a preloaded
# shim that this test program alone runs with.
add_library(kesto-test-sync-fault MODULE ${PROJECT_SOURCE_DIR}/tests/support/programs/SyncFault.cpp)
target_link_libraries(kesto-test-sync-fault PRIVATE ${CMAKE_DL_LIBS})
kesto_add_test(TestStoreFileSync SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestStoreFileSync.cpp LINK kesto_core
  ENV "LD_PRELOAD=$<TARGET_FILE:kesto-test-sync-fault>")
add_dependencies(TestStoreFileSync kesto-test-sync-fault)
