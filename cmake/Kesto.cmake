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
  kesto_moc_follows_sources(${name} "${sources}")
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LINK})
  set(KESTO_LIBRARY_CREATED TRUE PARENT_SCOPE)
endfunction()

# kesto_moc_follows_sources(<target> <sources>)
# With Ninja, moc's step only depends on the files of its last run, so a file
# added to a globbed target would never be run through moc in an existing
# build folder. Forget that step's stamp whenever the list changes.
function(kesto_moc_follows_sources name sources)
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${name}.sources)
  set(previous "")
  if(EXISTS ${list_file})
    file(READ ${list_file} previous)
  endif()
  if(NOT previous STREQUAL "${sources}")
    file(WRITE ${list_file} "${sources}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/timestamp)
  endif()
endfunction()
