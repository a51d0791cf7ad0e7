#pragma once

#include <QString>

class QWidget;

namespace quillmar {

class PrinterChoice;

enum class PrintOutcome { Printed, NoPrinter, Failed, Cancelled };

// Tells the user that there was no printer or that printing failed, with the system's
// reason when it gave one; a print that went through or was cancelled says nothing.
void tellPrintOutcome(QWidget* parent, PrintOutcome outcome, const QString& reason);

// Prints a whole window, as it looks on the screen. Windows take one of these so that
// tests can print without a printer.
class WindowPrinter {
public:
    virtual ~WindowPrinter() = default;
    virtual PrintOutcome printWindow(QWidget& window) = 0;
    // Why the last print failed, in the system's words; empty when it gave no reason.
    virtual QString failureReason() const { return {}; }
};

// The printer chosen in the printer dialog (a PDF file included), else the system's
// default printer: one page with the window at its size on the screen (made smaller if
// the page is too narrow), at the top left of the printable area.
class ChosenWindowPrinter : public WindowPrinter {
public:
    explicit ChosenWindowPrinter(const PrinterChoice& choice) : choice_(choice) {}
    PrintOutcome printWindow(QWidget& window) override;
    QString failureReason() const override { return reason_; }

private:
    const PrinterChoice& choice_;
    QString reason_;
};

// The system's default printer, for windows given no other.
WindowPrinter& defaultWindowPrinter();

}  // namespace quillmar
