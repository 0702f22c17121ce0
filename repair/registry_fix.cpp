// The absolute-volume fix: the value's path and the outcome messages.
#include "repair/registry_fix.h"

#include <string.h>

#include "core/cp936.h"

namespace vantelo {

const char kRepairMessageTitle[] = "信息：";

const char* messageFor(RegistryFixOutcome outcome) {
    switch (outcome) {
        case RegistryFixOutcome::AlreadySet:
            return "当前注册表值为 1 ，无需修改。";
        case RegistryFixOutcome::Written:
            return "修改注册表成功，请重启电脑后生效。";
        case RegistryFixOutcome::WriteFailed:
            break;
    }
    return "修改注册表失败，请检查权限或关闭杀毒软件。";
}

void splitValuePath(char* text, const char** key, const char** valueName) {
    char* separator = const_cast<char*>(findLastSeparator(text, '\\'));
    if (separator == nullptr) {
        *key = "";
        *valueName = text;
        return;
    }
    *separator = '\0';
    *key = text;
    *valueName = separator + 1;
}

void buildValuePath(uint32_t controlSet, RegistryValuePath* path) {
    static const char kHead[] = "SYSTEM\\ControlSet";
    static const char kTail[] = "\\Control\\Bluetooth\\Audio\\AVRCP\\CT\\DisableAbsoluteVolume";
    static_assert(sizeof kHead - 1 + 3 + sizeof kTail <= sizeof path->text, "path buffer");
    if (controlSet < 1 || controlSet > 999) controlSet = kFallbackControlSet;

    char* p = path->text;
    memcpy(p, kHead, sizeof kHead - 1);
    p += sizeof kHead - 1;
    *p++ = static_cast<char>('0' + controlSet / 100);
    *p++ = static_cast<char>('0' + controlSet / 10 % 10);
    *p++ = static_cast<char>('0' + controlSet % 10);
    memcpy(p, kTail, sizeof kTail);
    splitValuePath(path->text, &path->key, &path->valueName);
}

}  // namespace vantelo
