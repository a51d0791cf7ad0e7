#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <memory>
#include <optional>

#include "platform/print_surface.h"

class QPrinter;
class QWidget;

namespace quillmar {

// The printer that printing uses: the one the user chose in the printer dialog, else the
// system's default printer.
class PrinterChoice {
public:
    PrinterChoice();
    ~PrinterChoice();

    // nullptr until the user has chosen one.
    QPrinter* chosen() const { return chosen_.get(); }
    // Shows the printer dialog preset to the orientation (1 portrait, 2 landscape); the
    // orientation chosen, or nullopt when the user cancelled (the choice then stands).
    std::optional<int> choose(QWidget* parent, int orientation);

private:
    std::unique_ptr<QPrinter> chosen_;
};

// A print job on a real printer (or the PDF file the user chose to print to).
class PrinterSurface : public PrintSurface {
public:
    explicit PrinterSurface(const PrinterChoice& choice);
    ~PrinterSurface() override;

    PrintOutcome begin(const QString& documentName, int orientation, const QString& fontName,
                       int fontPoints) override;
    double printableWidth() const override;
    double printableHeight() const override;
    double textWidth(QStringView text) const override;
    double textHeight(QStringView text) const override;
    void printText(QPointF topLeft, const QString& text) override;
    void drawLine(QPointF from, QPointF to) override;
    void newPage() override;
    PrintOutcome end() override;

private:
    double pixelsPerMillimetre() const;

    const PrinterChoice& choice_;
    std::unique_ptr<QPrinter> defaultPrinter_;
    QPrinter* printer_ = nullptr;
    QPainter painter_;
    QFont font_;
    std::unique_ptr<QFontMetricsF> metrics_;
    bool pageFailed_ = false;
};

}  // namespace quillmar
