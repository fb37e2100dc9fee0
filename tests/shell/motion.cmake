# The desktop's "reduce motion" reaches every looping animation, while running.
kesto_add_test(TestReduceMotion SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestReduceMotion.cpp LINK kesto_shell)
add_dependencies(TestReduceMotion FakePortal)
target_compile_definitions(TestReduceMotion PRIVATE KESTO_FAKE_PORTAL="$<TARGET_FILE:FakePortal>")
