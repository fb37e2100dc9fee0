# The reusable controls of the design system.
kesto_add_test(TestFlowLayout SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestFlowLayout.cpp LINK kesto_design LABELS ui)
kesto_add_test(TestTwoStepConfirm SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestTwoStepConfirm.cpp LINK kesto_design)
kesto_add_test(TestDictationProgressLabel SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDictationProgressLabel.cpp LINK kesto_design LABELS ui)
kesto_add_test(TestButtons SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestButtons.cpp LINK kesto_design LABELS ui)
kesto_add_test(TestChoiceControls SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestChoiceControls.cpp LINK kesto_design LABELS ui)
kesto_add_test(TestInput SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestInput.cpp LINK kesto_design LABELS ui)
kesto_add_test(TestDisplayControls SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDisplayControls.cpp LINK kesto_design LABELS ui)
# The focus ring drawn whole around its control, whatever lies around it.
kesto_add_test(TestFocusRing SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestFocusRing.cpp LINK kesto_design LABELS ui)
