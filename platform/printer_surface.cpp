#include "platform/printer_surface.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <algorithm>

#include "platform/fonts.h"
#include "platform/key_locks.h"
#include "platform/modal.h"
#include "platform/program_file.h"

namespace quillmar {
namespace {

constexpr double kMillimetresPerInch = 25.4;
// The head's rule, a little heavier than a hairline.
constexpr double kRuleMillimetres = 0.3;

QPageLayout::Orientation pageOrientation(int orientation) {
    return orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// A chosen printer is usable when it names a printer that is there or prints to a file.
bool usable(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty();
    return !printer.printerName().isEmpty() && !QPrinterInfo::printerInfo(printer.printerName()).isNull();
}

}  // namespace

PrinterChoice::PrinterChoice() = default;
PrinterChoice::~PrinterChoice() = default;

std::optional<int> PrinterChoice::choose(QWidget* parent, int orientation) {
    auto candidate = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (chosen_) {
        candidate->setPrinterName(chosen_->printerName());
        candidate->setOutputFileName(chosen_->outputFileName());
    }
    candidate->setPageOrientation(pageOrientation(orientation));
    QPrintDialog dialog(candidate.get(), parent);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    // The dialog takes the name of a PDF file: typed in capitals, it would name another file.
    const KeyLockOff capsLock(modal::keyboard(), kVkCapsLock);
    if (modal::exec(&dialog) != QDialog::Accepted)
        return std::nullopt;
    chosen_ = std::move(candidate);
    return chosen_->pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
}

PrinterJob::PrinterJob(const PrinterChoice& choice) : choice_(choice) {}

PrinterJob::~PrinterJob() {
    if (painter_.isActive())
        painter_.end();
}

PrintOutcome PrinterJob::fail(const QString& reason) {
    reason_ = reason;
    return PrintOutcome::Failed;
}

PrintOutcome PrinterJob::begin(const QString& documentName, int orientation) {
    printer_ = choice_.chosen();
    if (!printer_ || !usable(*printer_)) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return PrintOutcome::NoPrinter;
        defaultPrinter_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        printer_ = defaultPrinter_.get();
    }
    printer_->setDocName(documentName);
    device_ = printer_;
    // The printer's own PDF output neither reports a failed write nor keeps the old file,
    // so a PDF is written through a save file that replaces the target only when whole.
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        const QString path = printer_->outputFileName();
        file_ = std::make_unique<QSaveFile>(path);
        QString error;
        if (!openFile(*file_, &error))
            return fail(error + QStringLiteral(": ") + path);
        writer_ = std::make_unique<QPdfWriter>(file_.get());
        writer_->setResolution(printer_->resolution());
        writer_->setPageLayout(printer_->pageLayout());
        writer_->setTitle(documentName);
        device_ = writer_.get();
    }
    if (orientation != 0)
        device_->setPageOrientation(pageOrientation(orientation));
    if (!painter_.begin(device_))
        return fail(QString());
    return PrintOutcome::Printed;
}

QPaintDevice& PrinterJob::device() const { return *device_; }

QRect PrinterJob::printableArea() const { return device_->pageLayout().paintRectPixels(device_->logicalDpiX()); }

double PrinterJob::pixelsPerMillimetre() const { return device_->logicalDpiX() / kMillimetresPerInch; }

void PrinterJob::newPage() {
    if (!device_->newPage())
        pageFailed_ = true;
}

PrintOutcome PrinterJob::end() {
    const bool ended = painter_.end();
    if (!ended || pageFailed_)
        return fail(QString());
    if (file_) {
        writer_.reset();
        const QString path = file_->fileName();
        QString error;
        if (!commitFile(*file_, &error))
            return fail(error + QStringLiteral(": ") + path);
        return PrintOutcome::Printed;
    }
    if (printer_->printerState() == QPrinter::Error || printer_->printerState() == QPrinter::Aborted)
        return fail(QString());
    return PrintOutcome::Printed;
}

void PrinterJob::cancel() {
    if (file_) {
        painter_.end();
        writer_.reset();
        file_.reset();  // never committed: the save file is dropped
        return;
    }
    // Not every print system can take a job back; what it cannot is sent as printed so far.
    printer_->abort();
    painter_.end();
}

PrinterSurface::PrinterSurface(const PrinterChoice& choice) : job_(choice) {}

PrinterSurface::~PrinterSurface() = default;

PrintOutcome PrinterSurface::begin(const QString& documentName, int orientation, const QString& fontName,
                                   int fontPoints) {
    const PrintOutcome begun = job_.begin(documentName, orientation == 2 ? 2 : 1);
    if (begun != PrintOutcome::Printed)
        return begun;
    font_ = fontForName(fontName, std::max(1, fontPoints));
    job_.painter().setFont(font_);
    metrics_ = std::make_unique<QFontMetricsF>(font_, &job_.device());
    job_.painter().setPen(QPen(Qt::black, kRuleMillimetres * job_.pixelsPerMillimetre()));
    return PrintOutcome::Printed;
}

double PrinterSurface::printableWidth() const { return job_.printableArea().width() / job_.pixelsPerMillimetre(); }

double PrinterSurface::printableHeight() const { return job_.printableArea().height() / job_.pixelsPerMillimetre(); }

double PrinterSurface::textWidth(QStringView text) const {
    return metrics_->horizontalAdvance(text.toString()) / job_.pixelsPerMillimetre();
}

double PrinterSurface::textHeight(QStringView) const { return metrics_->height() / job_.pixelsPerMillimetre(); }

void PrinterSurface::printText(QPointF topLeft, const QString& text) {
    const double scale = job_.pixelsPerMillimetre();
    job_.painter().drawText(QPointF(topLeft.x() * scale, topLeft.y() * scale + metrics_->ascent()), text);
}

void PrinterSurface::drawLine(QPointF from, QPointF to) {
    job_.painter().drawLine(from * job_.pixelsPerMillimetre(), to * job_.pixelsPerMillimetre());
}

void PrinterSurface::newPage() { job_.newPage(); }

PrintOutcome PrinterSurface::end() { return job_.end(); }

}  // namespace quillmar
