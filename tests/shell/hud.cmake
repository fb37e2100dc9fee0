kesto_add_test(TestHUD SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestHUD.cpp LINK kesto_shell
  ENV "KESTO_GALLERY_DIR=${CMAKE_BINARY_DIR}/gallery")
