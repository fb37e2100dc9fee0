# A window with one text field, driven by the desktop tests (and the
# end-to-end tests) through TextWindowClient.
add_executable(kesto-test-text-window ${PROJECT_SOURCE_DIR}/tests/support/programs/TextWindow.cpp)
target_link_libraries(kesto-test-text-window PRIVATE Qt6::Widgets)
set(KESTO_TEXT_WINDOW "KESTO_TEXT_WINDOW=$<TARGET_FILE:kesto-test-text-window>")

# Raw key presses by keycode, for keys that xdotool sends with extra modifiers.
pkg_check_modules(KESTO_TEST_XTST REQUIRED IMPORTED_TARGET x11 xtst)
add_executable(kesto-test-fake-key ${PROJECT_SOURCE_DIR}/tests/support/programs/FakeKey.cpp)
target_link_libraries(kesto-test-fake-key PRIVATE PkgConfig::KESTO_TEST_XTST)
set(KESTO_FAKE_KEY "KESTO_FAKE_KEY=$<TARGET_FILE:kesto-test-fake-key>")

kesto_add_test(TestFrontApplication SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestFrontApplication.cpp LINK kesto_platform
  LABELS x11 ENV ${KESTO_TEXT_WINDOW})
add_dependencies(TestFrontApplication kesto-test-text-window)
kesto_add_test(TestDesktopServices SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDesktopServices.cpp LINK kesto_platform
  LABELS x11 audio)

# Owns the compositing manager's selection while it runs.
add_executable(kesto-test-compositor-owner ${PROJECT_SOURCE_DIR}/tests/support/programs/CompositorOwner.cpp)
target_link_libraries(kesto-test-compositor-owner PRIVATE PkgConfig::KESTO_TEST_XTST)
set(KESTO_COMPOSITOR_OWNER "KESTO_COMPOSITOR_OWNER=$<TARGET_FILE:kesto-test-compositor-owner>")

# A system tray that docks icons, for a tray that appears after the application.
add_executable(kesto-test-fake-tray ${PROJECT_SOURCE_DIR}/tests/support/programs/FakeTray.cpp)
target_link_libraries(kesto-test-fake-tray PRIVATE PkgConfig::KESTO_TEST_XTST)
set(KESTO_FAKE_TRAY "KESTO_FAKE_TRAY=$<TARGET_FILE:kesto-test-fake-tray>")
