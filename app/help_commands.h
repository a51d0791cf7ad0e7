#pragma once

namespace quillmar {

class frmMain;

// The Help entries, Tool > Calculator and Help > About.
void registerHelpCommands(frmMain& main);

// Help > G-Code, M-Code, System Variable, Mnemonic: the help file to the desktop's viewer.
void GcodeHelp_Click(frmMain& main);
void McodeHelp_Click(frmMain& main);
void VariableHelp_Click(frmMain& main);
void MnemonicHelp_Click(frmMain& main);
// Starts one more instance of the calculator program.
void mnuToolsCalculator_Click(frmMain& main);
// The About box, modal over the main window.
void mnuHelpAbout_Click(frmMain& main);

}  // namespace quillmar
