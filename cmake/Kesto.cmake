# Shared helpers for the project's CMake files.

# kesto_library(<name> [LINK <targets...>])
# A static library made of every .cpp/.h in the calling folder and the given
# subfolders; a folder without sources yet makes no library.
function(kesto_library name)
  cmake_parse_arguments(ARG "" "" "LINK;SUBDIRS" ${ARGN})
  set(patterns ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(sub ${ARG_SUBDIRS})
    list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/*.h)
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${patterns})
  if(NOT sources)
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LINK})
  set(KESTO_LIBRARY_CREATED TRUE PARENT_SCOPE)
endfunction()
