# The updater as the user meets it: notifications on the test bus, the
# update window, and pictures of that window.
kesto_add_test(TestUpdater SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestUpdater.cpp LINK kesto_shell LABELS dbus)
target_compile_definitions(TestUpdater PRIVATE KESTO_TEST_FEED_URL="${KESTO_UPDATE_FEED_URL}")
kesto_add_test(TestUpdateGallery SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestUpdateGallery.cpp LINK kesto_shell LABELS ui
  ENV "KESTO_GALLERY_DIR=${CMAKE_BINARY_DIR}/gallery" "QT_SCALE_FACTOR=2")
# The feed and key a build names, checked when it is configured.
add_test(NAME UpdateSourceConfigure
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}
          -P ${CMAKE_CURRENT_LIST_DIR}/scripts/UpdateSourceConfigure.cmake)
set_tests_properties(UpdateSourceConfigure PROPERTIES TIMEOUT 900)
