// The button's action: run the registry fix and tell the user what happened.
#pragma once
#include <windows.h>

namespace vantelo {

// The owner of the outcome's message box: the main window while it exists, else null.
void setRepairMessageOwner(HWND owner);

// Runs the fix and shows its outcome task-modally; returns once the box is closed.
void handleRepairClick();

}  // namespace vantelo
