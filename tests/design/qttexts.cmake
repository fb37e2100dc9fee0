# Qt's own texts (context menus, file dialog, message box) in the interface language.
kesto_add_test(TestQtTexts SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestQtTexts.cpp LINK kesto_design LABELS ui)
