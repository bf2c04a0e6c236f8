# Builds GoogleTest from its source with the compiler of this build, for a cross compiler that has
# none installed; its targets carry the names FindGTest gives them.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${PERFOREX_GTEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
set(GTest_FOUND ON)
