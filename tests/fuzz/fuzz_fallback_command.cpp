// The link's fallback on any two registry strings and any address: the command never
// overruns its 512 bytes, is never cut off, and runs only when whole.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/link_opening.h"

namespace {

struct FuzzedShell {
    std::string program, command;
    std::string ran;
    bool didRun = false;

    intptr_t shellOpen(const char*) { return 2; }
    bool readClassesRootDefault(const char* key, char* out, size_t capacity) {
        const std::string& value = std::strcmp(key, ".htm") == 0 ? program : command;
        if (value.size() + 1 > capacity) return false;
        std::memcpy(out, value.c_str(), value.size() + 1);
        return true;
    }
    uintptr_t runCommand(const char* line) {
        ran = line;
        didRun = true;
        return 33;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Three NUL-separated parts: the .htm class, its command, the address.
    std::string parts[3];
    int part = 0;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            if (++part == 3) break;
        } else {
            parts[part] += static_cast<char>(data[i]);
        }
    }
    char out[vantelo::kCommandSize];
    if (vantelo::buildFallbackCommand(parts[1].c_str(), parts[2].c_str(), out, sizeof out)) {
        const size_t length = std::strlen(out);
        if (length >= sizeof out) abort();
        // The registered text up to the cut, a blank, the whole address.
        const size_t kept = length - 1 - parts[2].size();
        if (parts[1].compare(0, kept, out, kept) != 0 || out[kept] != ' ' || parts[2] != out + kept + 1)
            abort();
    }

    FuzzedShell shell{parts[0], parts[1], {}, false};
    const bool opened = vantelo::openAddress(shell, parts[2].c_str());
    if (opened != shell.didRun) abort();
    if (shell.didRun &&
        (shell.ran.size() >= vantelo::kCommandSize ||
         shell.ran.compare(shell.ran.size() - parts[2].size(), std::string::npos, parts[2]) != 0)) {
        abort();
    }
    return 0;
}
