kesto_add_test(TestHUD SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestHUD.cpp LINK kesto_shell
  ENV "KESTO_GALLERY_DIR=${CMAKE_BINARY_DIR}/gallery")
kesto_add_test(TestHUDOnX11 SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestHUDOnX11.cpp LINK kesto_shell LABELS x11
  ENV ${KESTO_COMPOSITOR_OWNER})
add_dependencies(TestHUDOnX11 kesto-test-compositor-owner)
