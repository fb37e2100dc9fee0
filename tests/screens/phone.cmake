# The phone screen; decoding its QR code needs zbarimg (Debian's zbar-tools).
kesto_add_test(TestPhoneScreen SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPhoneScreen.cpp LINK kesto_screens LABELS ui)
# Pictures of each state of the link, light and dark, for a person to look at.
kesto_add_test(TestPhoneGallery
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPhoneGallery.cpp ${CMAKE_CURRENT_LIST_DIR}/ScreenPicture.h
  LINK kesto_screens LABELS ui ENV "KESTO_GALLERY_DIR=${CMAKE_BINARY_DIR}/gallery" "QT_SCALE_FACTOR=2")
