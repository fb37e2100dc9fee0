# The user's data actions (export, wipe) and start at login. The test reads
# the archive back with libzip.
pkg_check_modules(LIBZIP_READER REQUIRED IMPORTED_TARGET libzip)
kesto_add_test(TestDataActions SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDataActions.cpp LINK kesto_core PkgConfig::LIBZIP_READER)
