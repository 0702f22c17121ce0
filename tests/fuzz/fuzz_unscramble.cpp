// unscrambleText on stored arrays of any length and content.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "app/unscramble.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const vantelo::Text text = vantelo::unscrambleText(vantelo::ScrambledText{data, size});
    const size_t length = text.size();
    // Never more characters than scrambled bytes, never a NUL inside.
    if (size < 8 && length != 0) abort();
    if (size >= 8 && length + 10 > size + 8 && length != 0) abort();
    if (std::strlen(text.c_str()) != length) abort();
    return 0;
}
