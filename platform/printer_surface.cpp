#include "platform/printer_surface.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "platform/fonts.h"
#include "platform/modal.h"

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
    if (modal::exec(&dialog) != QDialog::Accepted)
        return std::nullopt;
    chosen_ = std::move(candidate);
    return chosen_->pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
}

PrinterSurface::PrinterSurface(const PrinterChoice& choice) : choice_(choice) {}

PrinterSurface::~PrinterSurface() {
    if (painter_.isActive())
        painter_.end();
}

PrintOutcome PrinterSurface::begin(const QString& documentName, int orientation, const QString& fontName,
                                   int fontPoints) {
    printer_ = choice_.chosen();
    if (!printer_ || !usable(*printer_)) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return PrintOutcome::NoPrinter;
        defaultPrinter_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        printer_ = defaultPrinter_.get();
    }
    printer_->setDocName(documentName);
    printer_->setPageOrientation(pageOrientation(orientation));
    if (!painter_.begin(printer_))
        return PrintOutcome::Failed;
    font_ = fontForName(fontName, std::max(1, fontPoints));
    painter_.setFont(font_);
    metrics_ = std::make_unique<QFontMetricsF>(font_, printer_);
    painter_.setPen(QPen(Qt::black, kRuleMillimetres * pixelsPerMillimetre()));
    return PrintOutcome::Printed;
}

double PrinterSurface::pixelsPerMillimetre() const { return printer_->resolution() / kMillimetresPerInch; }

double PrinterSurface::printableWidth() const {
    return printer_->pageLayout().paintRectPixels(printer_->resolution()).width() / pixelsPerMillimetre();
}

double PrinterSurface::printableHeight() const {
    return printer_->pageLayout().paintRectPixels(printer_->resolution()).height() / pixelsPerMillimetre();
}

double PrinterSurface::textWidth(QStringView text) const {
    return metrics_->horizontalAdvance(text.toString()) / pixelsPerMillimetre();
}

double PrinterSurface::textHeight(QStringView) const {
    return metrics_->height() / pixelsPerMillimetre();
}

void PrinterSurface::printText(QPointF topLeft, const QString& text) {
    const double ascent = metrics_->ascent();
    painter_.drawText(QPointF(topLeft.x() * pixelsPerMillimetre(), topLeft.y() * pixelsPerMillimetre() + ascent),
                      text);
}

void PrinterSurface::drawLine(QPointF from, QPointF to) {
    painter_.drawLine(from * pixelsPerMillimetre(), to * pixelsPerMillimetre());
}

void PrinterSurface::newPage() {
    if (!printer_->newPage())
        pageFailed_ = true;
}

PrintOutcome PrinterSurface::end() {
    const bool ended = painter_.end();
    if (!ended || pageFailed_ || printer_->printerState() == QPrinter::Error ||
        printer_->printerState() == QPrinter::Aborted)
        return PrintOutcome::Failed;
    return PrintOutcome::Printed;
}

}  // namespace quillmar
