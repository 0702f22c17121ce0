# GoogleTest built from Debian's sources for Windows; the tests run through the emulator
# (scripts/wine-run), which ctest also needs to list them, so discovery waits for test time.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

include(GoogleTest)
enable_testing()
add_executable(win32_tests
    tests/win32/vantelo_process.cpp
    tests/win32/registry_fix_test.cpp
    tests/win32/main_window_test.cpp
    tests/win32/link_test.cpp
    tests/win32/release_file_test.cpp
    tests/win32/robustness_test.cpp)
target_link_libraries(win32_tests PRIVATE vantelo_win32 GTest::gtest_main)
target_link_options(win32_tests PRIVATE -static)
add_executable(url_recorder WIN32 tests/win32/url_recorder.cpp)
target_link_options(url_recorder PRIVATE -static)
add_library(vantelo_probe SHARED tests/win32/probe_dll.cpp)
set_target_properties(vantelo_probe PROPERTIES PREFIX "")
target_link_options(vantelo_probe PRIVATE -static)
target_link_libraries(vantelo_probe PRIVATE gdi32 psapi)
target_link_libraries(win32_tests PRIVATE psapi version)
add_dependencies(win32_tests vantelo url_recorder vantelo_probe)
# One Wine prefix and one desktop: the tests take turns.
gtest_discover_tests(win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
    PROPERTIES RESOURCE_LOCK wineprefix TIMEOUT 600)
