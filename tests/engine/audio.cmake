# Capture, WAV writing, trimming and encoding. TestAudioCapture records the
# real test microphone of scripts/test-env.
kesto_add_test(TestWavWriter SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestWavWriter.cpp LINK kesto_engine)
kesto_add_test(TestMicEngine SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMicEngine.cpp LINK kesto_engine)
kesto_add_test(TestAudioRecorder SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestAudioRecorder.cpp LINK kesto_engine)
kesto_add_test(TestMicLevelMeter SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMicLevelMeter.cpp LINK kesto_engine)
kesto_add_test(TestAudioTrimmer SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestAudioTrimmer.cpp LINK kesto_engine)
kesto_add_test(TestUpload SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestUpload.cpp LINK kesto_engine)
kesto_add_test(TestAudioCapture SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestAudioCapture.cpp LINK kesto_engine
  LABELS audio TIMEOUT 120)
kesto_add_test(TestLiveUpload SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestLiveUpload.cpp LINK kesto_engine TIMEOUT 300)
