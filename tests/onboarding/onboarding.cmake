# The first-run wizard and the permissions-again window.
if(TARGET kesto_onboarding)
  # Pictures of every step in its main states, light and dark.
  kesto_add_test(TestOnboardingGallery SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestOnboardingGallery.cpp LINK kesto_onboarding
    LABELS ui ENV "KESTO_GALLERY_DIR=${CMAKE_BINARY_DIR}/gallery" "QT_SCALE_FACTOR=2")
endif()
