// Prints a stored array for a plain text: scramble K1 K2 TEXT (the text as code page 936 bytes).
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "app/unscramble.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: scramble K1 K2 TEXT\n");
        return 2;
    }
    const unsigned long k1 = strtoul(argv[1], nullptr, 0);
    const unsigned long k2 = strtoul(argv[2], nullptr, 0);
    if (k1 > 0xFF || k2 > 0xFF || argv[3][0] == '\0') {
        fprintf(stderr, "scramble: keys are bytes and the text is not empty\n");
        return 2;
    }
    const size_t capacity = strlen(argv[3]) + 10;
    unsigned char* out = static_cast<unsigned char*>(malloc(capacity));
    if (out == nullptr) return 1;
    const size_t size = vantelo::scrambleText(argv[3], static_cast<unsigned char>(k1),
                                              static_cast<unsigned char>(k2), out, capacity);
    for (size_t i = 0; i < size; ++i)
        printf("0x%02X,%s", out[i], (i % 16 == 15 || i + 1 == size) ? "\n" : " ");
    free(out);
    return size == 0 ? 1 : 0;
}
