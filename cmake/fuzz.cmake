# libFuzzer targets (clang): the code that reads outside data, under ASan and UBSan.
set(fuzz_flags -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(vantelo_core PRIVATE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
foreach(name unscramble icon_file fallback_command value_path)
    add_executable(fuzz_${name} tests/fuzz/fuzz_${name}.cpp)
    target_compile_options(fuzz_${name} PRIVATE ${fuzz_flags})
    target_link_options(fuzz_${name} PRIVATE ${fuzz_flags})
    target_link_libraries(fuzz_${name} PRIVATE vantelo_core)
endforeach()
