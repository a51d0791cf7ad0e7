// File > Print and the print settings window.
#include <QDate>
#include <QPointer>
#include <exception>

#include "app/frmDocument.h"
#include "app/frmMain.h"
#include "app/print_commands.h"
#include "app/printing/PrintSetting.h"
#include "app/printing/print_document.h"
#include "common/shared_state.h"
#include "platform/modal.h"
#include "platform/printer_surface.h"
#include "platform/rich_text_box.h"
#include "platform/window_printer.h"

namespace quillmar {

void registerPrintCommands(frmMain& main) {
    main.setCommand(QStringLiteral("mnuFilePrint"), [&main](int) { mnuFilePrint_Click(main); });
    main.setCommand(QStringLiteral("mnuFilePrinterSetup"), [&main](int) { mnuFilePrinterSetup_Click(main); });
}

void mnuFilePrint_Click(frmMain& main) {
    frmDocument* doc = main.activeDocument();
    if (!doc)
        return;
    main.documents().gTargetDoc = doc;
    PrintOutcome outcome = PrintOutcome::Failed;
    QString reason;
    try {
        modal::Progress progress(&main, QStringLiteral("Print"));
        PrinterSurface surface(main.printing().printer);
        outcome = PrintDocument(surface, doc->txtText->Text(), doc->caption(),
                                QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd")), main.state(),
                                [&progress](qint64 page, double done) {
                                    return progress.step(done, QStringLiteral("Page %1").arg(page));
                                });
        reason = surface.failureReason();
    } catch (const std::exception&) {
        outcome = PrintOutcome::Failed;
    }
    tellPrintOutcome(&main, outcome, reason);
}

void mnuFilePrinterSetup_Click(frmMain& main) {
    PrintState& printing = main.printing();
    QPointer<PrintSetting>& window = printing.window;
    if (!window) {
        window = new PrintSetting(main.state(), printing.printer, &main);
        window->setObjectName(QStringLiteral("PrintSetting"));
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->fill();
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace quillmar
