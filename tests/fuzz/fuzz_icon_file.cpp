// The .ico entry choice on any bytes: the chosen image always lies inside the file.
#include <cstdint>
#include <cstdlib>
#include <initializer_list>

#include "app/icon_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (int width : {16, 32, 48}) {
        vantelo::IconImage image;
        if (!vantelo::chooseIconImage(data, size, width, &image)) continue;
        if (image.bits < data || image.size == 0 || image.bits + image.size > data + size) abort();
        if (image.width < 0 || image.height < 0) abort();
    }
    return 0;
}
