#pragma once

namespace quillmar {

class frmMain;

// File > Print and File > Printer setting.
void registerPrintCommands(frmMain& main);

// Prints the active document on the chosen printer; nothing without a document.
void mnuFilePrint_Click(frmMain& main);
void mnuFilePrinterSetup_Click(frmMain& main);

}  // namespace quillmar
