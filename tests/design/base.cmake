# The foundation of the design system: tokens, theme, shadows, type, icons.
kesto_add_test(TestSvgPath SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSvgPath.cpp LINK kesto_design)
kesto_add_test(TestPalette SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPalette.cpp LINK kesto_design LABELS ui)
kesto_add_test(TestTypography SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestTypography.cpp LINK kesto_design)
kesto_add_test(TestIcon SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestIcon.cpp LINK kesto_design)
kesto_add_test(TestElevation SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestElevation.cpp LINK kesto_design)
kesto_add_test(TestFontFallback SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestFontFallback.cpp LINK kesto_design)
add_executable(FakePortal ${CMAKE_CURRENT_LIST_DIR}/FakePortal.cpp)
target_link_libraries(FakePortal PRIVATE Qt6::Core Qt6::DBus)
# The desktop's colour scheme reaches the theme through the application.
kesto_add_test(TestThemePortal SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestThemePortal.cpp LINK kesto_shell)
add_dependencies(TestThemePortal FakePortal)
target_compile_definitions(TestThemePortal PRIVATE KESTO_FAKE_PORTAL="$<TARGET_FILE:FakePortal>")
kesto_add_test(TestWordmark SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestWordmark.cpp LINK kesto_design LABELS ui)
