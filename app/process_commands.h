#pragma once

namespace quillmar {

class frmMain;

// The Process menu's generators and commands, each registered as the command of its menu
// entry.
void registerProcessCommands(frmMain& main);

}  // namespace quillmar
