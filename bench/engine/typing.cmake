# Needs the test display (make bench starts it) and the text window program.
kesto_add_bench(BenchTyping SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchTyping.cpp LINK kesto_engine Qt6::Test LABELS x11)
set_property(TEST BenchTyping APPEND PROPERTY ENVIRONMENT "KESTO_TEXT_WINDOW=$<TARGET_FILE:kesto-test-text-window>")
add_dependencies(BenchTyping kesto-test-text-window)
