#pragma once

#include "platform/file_names.h"

namespace quillmar {

class frmMain;

// Loads and shows the main window, then switches Caps Lock on so the user types in capitals.
void startMainWindow(frmMain& main, const FileName& commandLineFile);

// The whole program: settings, main window, event loop.
int Main();

}  // namespace quillmar
