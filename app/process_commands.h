#pragma once

namespace quillmar {

class frmMain;

// The Process menu's generators, each registered as the command of its menu entry.
void registerCycleCommands(frmMain& main);
void registerRotaryCommands(frmMain& main);

}  // namespace quillmar
