# Windows builds (MinGW-w64): the program, and for win64 the Win32 tests run under Wine.
set(size_flags -Os -fno-asynchronous-unwind-tables -ffunction-sections -fdata-sections)
target_compile_options(vantelo_core PRIVATE ${size_flags})

# Everything that calls Win32, shared by the program and its Win32 tests.
add_library(vantelo_win32 STATIC
    repair/advapi_registry.cpp
    repair/repair_click.cpp)
target_compile_options(vantelo_win32 PRIVATE ${size_flags})
target_link_libraries(vantelo_win32 PUBLIC vantelo_core)

enable_language(RC)
add_executable(vantelo WIN32
    app/main.cpp
    app/main_window.cpp
    app/window_class.cpp
    app/control_style.cpp
    app/group_box.cpp
    app/label.cpp
    app/button.cpp
    app/hyper_linker.cpp
    app/shell_platform.cpp
    res/app.rc)
# The manifest names the architecture: Windows refuses one that does not match the exe.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(VANTELO_ARCH amd64)
else()
    set(VANTELO_ARCH x86)
endif()
file(STRINGS res/version.h version_line REGEX "VANTELO_VERSION_TEXT")
string(REGEX MATCH "[0-9.]+" VANTELO_VERSION "${version_line}")
configure_file(res/vantelo.manifest.in ${CMAKE_BINARY_DIR}/res/vantelo.manifest @ONLY)
target_include_directories(vantelo PRIVATE ${CMAKE_SOURCE_DIR}/res ${CMAKE_BINARY_DIR}/res)
set_property(SOURCE res/app.rc APPEND PROPERTY OBJECT_DEPENDS
    ${CMAKE_SOURCE_DIR}/res/vantelo-icon-3.bin ${CMAKE_SOURCE_DIR}/res/vantelo-icon-group.bin
    ${CMAKE_SOURCE_DIR}/res/link.cur ${CMAKE_SOURCE_DIR}/res/resource.h ${CMAKE_SOURCE_DIR}/res/version.h
    ${CMAKE_BINARY_DIR}/res/vantelo.manifest)
target_compile_options(vantelo PRIVATE ${size_flags})
target_link_libraries(vantelo PRIVATE vantelo_win32 ole32)
# Only system DLLs, no time stamp (two builds give the same bytes), NX and ASLR.
# Entry straight into vantelo.exe's own start (app/main.cpp); i686 symbols carry a '_'.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(entry vanteloStart)
else()
    set(entry _vanteloStart)
endif()
target_link_options(vantelo PRIVATE -nostartfiles -Wl,-e,${entry} -static -s -Wl,--gc-sections
    -Wl,--nxcompat -Wl,--dynamicbase -Wl,--no-insert-timestamp)

# Runs the program once without a user (scripts/run on a machine with no display).
add_executable(run_demo tools/run_demo.cpp)
target_link_libraries(run_demo PRIVATE vantelo_win32)
target_link_options(run_demo PRIVATE -static)
add_dependencies(run_demo vantelo)

# Benchmarks (scripts/bench): the floors and the driver that measures against them.
foreach(floor window ole button full)
    add_executable(floor_${floor} WIN32 bench/floor.cpp)
    target_compile_options(floor_${floor} PRIVATE ${size_flags})
    target_link_options(floor_${floor} PRIVATE -static -s)
endforeach()
target_compile_definitions(floor_ole PRIVATE FLOOR_OLE)
target_link_libraries(floor_ole PRIVATE ole32)
target_compile_definitions(floor_button PRIVATE FLOOR_BUTTON)
target_sources(floor_full PRIVATE bench/floor_manifest.rc)
target_include_directories(floor_full PRIVATE ${CMAKE_BINARY_DIR}/res)
target_compile_definitions(floor_full PRIVATE FLOOR_OLE FLOOR_TEXT)
target_link_libraries(floor_full PRIVATE ole32)
add_executable(bench_driver bench/bench_driver.cpp)
target_link_libraries(bench_driver PRIVATE psapi)
target_include_directories(bench_driver PRIVATE ${CMAKE_SOURCE_DIR})
target_link_options(bench_driver PRIVATE -static)
add_dependencies(bench_driver vantelo floor_window floor_ole floor_button floor_full)

option(VANTELO_WIN32_TESTS "Build the Win32 tests (run under Wine)" OFF)
if(VANTELO_WIN32_TESTS)
    include(cmake/win32_tests.cmake)
endif()
