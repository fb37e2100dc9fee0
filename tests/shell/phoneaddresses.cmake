# Runs in a network namespace of its own (as root, with iproute2's ip).
kesto_add_test(TestPhoneAddresses SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPhoneAddresses.cpp LINK kesto_shell TIMEOUT 120)
