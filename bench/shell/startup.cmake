add_executable(kesto-bench-minimal-widgets ${CMAKE_CURRENT_LIST_DIR}/MinimalWidgets.cpp)
target_link_libraries(kesto-bench-minimal-widgets PRIVATE Qt6::Widgets)
if(TARGET kesto-viruz)
  kesto_add_bench(BenchStartup SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchStartup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProcessProbe.cpp ${CMAKE_CURRENT_LIST_DIR}/ProcessProbe.h LINK Qt6::Core)
  target_compile_definitions(BenchStartup PRIVATE
    KESTO_APP="$<TARGET_FILE:kesto-viruz>" KESTO_MINIMAL_WIDGETS="$<TARGET_FILE:kesto-bench-minimal-widgets>")
  add_dependencies(BenchStartup kesto-viruz kesto-bench-minimal-widgets)
endif()
