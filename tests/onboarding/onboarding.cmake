# The first-run wizard and the permissions-again window.
if(TARGET kesto_onboarding)
  kesto_add_test(TestOnboardingFlow SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestOnboardingFlow.cpp LINK kesto_onboarding)
  kesto_add_test(TestPermissionsAgain SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPermissionsAgain.cpp LINK kesto_onboarding)
  # The key step on the real controller against the fake Gemini service.
  kesto_add_test(TestGeminiStep SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestGeminiStep.cpp LINK kesto_shell)
  # Pictures of every step in its main states, light and dark.
  kesto_add_test(TestOnboardingGallery SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestOnboardingGallery.cpp LINK kesto_onboarding
    LABELS ui ENV "KESTO_GALLERY_DIR=${CMAKE_BINARY_DIR}/gallery" "QT_SCALE_FACTOR=2")
endif()
