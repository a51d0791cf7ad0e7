#pragma once

namespace quillmar {

class frmMain;
class WindowPrinter;

// File > Print and File > Printer setting.
void registerPrintCommands(frmMain& main);

// Prints the active document on the chosen printer; nothing without a document.
void mnuFilePrint_Click(frmMain& main);
void mnuFilePrinterSetup_Click(frmMain& main);

// Prints a calculator window on the same chosen printer as File > Print.
WindowPrinter& chosenWindowPrinter(frmMain& main);

}  // namespace quillmar
