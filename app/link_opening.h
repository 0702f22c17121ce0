// Opening the link's address: through the shell, else through the command registered for
// ".htm" files. Portable: the platform comes in through a seam.
#pragma once
#include <stddef.h>
#include <stdint.h>

namespace vantelo {

constexpr size_t kRegisteredTextSize = 260;  // each default value read from the registry
constexpr size_t kCommandSize = 512;         // the fallback command line

// The fallback command: `registered` cut just before the first quoted "%1" (else the first
// %1; else kept whole), then one blank and `target`. False, with nothing usable in `out`,
// when that would not fit in `capacity` bytes: a cut-off command line is never run.
bool buildFallbackCommand(const char* registered, const char* target, char* out, size_t capacity);

// The platform as opening uses it:
//   intptr_t shellOpen(const char* target);          ShellExecuteA(0, "open", target, 0, 0, SW_SHOW)
//   bool readClassesRootDefault(const char* key,      RegOpenKeyExA(HKCR, key, KEY_QUERY_VALUE),
//                               char* out, size_t);   RegQueryValueA, RegCloseKey; false when the key
//                                                     can't be opened or its default value isn't a
//                                                     text that fits
//   uintptr_t runCommand(const char* command);       WinExec(command, SW_SHOW)
// Returns whether the last call made reported success (a result above 32).
template <class Platform>
bool openAddress(Platform& platform, const char* target) {
    if (target == nullptr || target[0] == '\0') return false;
    if (platform.shellOpen(target) > 32) return true;

    char program[kRegisteredTextSize];
    if (!platform.readClassesRootDefault(".htm", program, sizeof program) || program[0] == '\0') return false;

    static const char kCommandKey[] = "\\shell\\open\\command";
    char key[kRegisteredTextSize + sizeof kCommandKey];
    size_t length = 0;
    while (program[length] != '\0' && length < kRegisteredTextSize - 1) {
        key[length] = program[length];
        ++length;
    }
    for (size_t i = 0; i < sizeof kCommandKey; ++i) key[length + i] = kCommandKey[i];

    char registered[kRegisteredTextSize];
    if (!platform.readClassesRootDefault(key, registered, sizeof registered) || registered[0] == '\0') {
        return false;
    }
    char command[kCommandSize];
    if (!buildFallbackCommand(registered, target, command, sizeof command)) return false;
    return platform.runCommand(command) > 32;
}

}  // namespace vantelo
