# The update feed, the update controller and the installer, against a feed
# served on loopback and releases signed by a key made in the test.
kesto_add_test(TestUpdateFeed SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestUpdateFeed.cpp LINK kesto_engine)
kesto_add_test(TestUpdateController SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestUpdateController.cpp LINK kesto_engine)
kesto_add_test(TestUpdateInstaller SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestUpdateInstaller.cpp LINK kesto_engine)
