# Native build: the portable core under ASan/UBSan, its unit tests and the array generator.
set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(vantelo_core PRIVATE ${sanitizers})
target_link_options(vantelo_core INTERFACE ${sanitizers})

add_executable(scramble tools/scramble.cpp)
target_link_libraries(scramble PRIVATE vantelo_core)

find_package(GTest REQUIRED)
include(GoogleTest)
enable_testing()
add_executable(unit_tests
    tests/unit/cp936_test.cpp
    tests/unit/unscramble_test.cpp
    tests/unit/registry_fix_test.cpp
    tests/unit/link_opening_test.cpp
    tests/unit/icon_file_test.cpp)
target_compile_options(unit_tests PRIVATE ${sanitizers})
target_link_libraries(unit_tests PRIVATE vantelo_core GTest::gtest_main)
gtest_discover_tests(unit_tests)
