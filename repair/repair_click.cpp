// The button's action: run the registry fix and tell the user what happened.
#include "repair/repair_click.h"

#include "repair/advapi_registry.h"

namespace vantelo {

namespace {
HWND repairMessageOwner = nullptr;
}

void setRepairMessageOwner(HWND owner) {
    repairMessageOwner = owner;
}

void handleRepairClick() {
    AdvapiRegistry registry;
    const RegistryFixOutcome outcome = applyRegistryFix(registry);
    MessageBoxA(repairMessageOwner, messageFor(outcome), kRepairMessageTitle,
                MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

}  // namespace vantelo
