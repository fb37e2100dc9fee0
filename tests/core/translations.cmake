# Runs lupdate over src/ and reads every table in resources/translations.
kesto_add_test(TestTranslations SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestTranslations.cpp LINK kesto_core Qt6::Core)
target_compile_definitions(TestTranslations PRIVATE
  KESTO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
  KESTO_LUPDATE="$<TARGET_FILE:Qt6::lupdate>")
