# The built application quit mid-dictation with its sounds on, and History
# cards under real double clicks.
if(TARGET kesto-viruz AND EXISTS ${PROJECT_SOURCE_DIR}/tests/support/FakeGemini.h)
  kesto_add_test(TestQuitEndToEnd SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestQuitEndToEnd.cpp
    LINK Qt6::Core LABELS x11 audio TIMEOUT 600
    ENV "KESTO_APP=$<TARGET_FILE:kesto-viruz>")
  add_dependencies(TestQuitEndToEnd kesto-viruz)

  kesto_add_test(TestHistoryClicksEndToEnd SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestHistoryClicksEndToEnd.cpp
    LINK kesto_screens Qt6::Widgets LABELS x11 TIMEOUT 240
    ENV "KESTO_APP=$<TARGET_FILE:kesto-viruz>")
  add_dependencies(TestHistoryClicksEndToEnd kesto-viruz)
endif()
