#pragma once

#include <QPointF>
#include <QString>
#include <vector>

#include "platform/print_surface.h"

namespace quillmar {

// A print job that keeps a list of what was printed, for tests. Every character is
// `charWidth` wide and every text `lineHeight` high, whatever the font.
class RecordingPrintSurface : public PrintSurface {
public:
    struct Printed {
        enum Kind { Text, Line, NewPage } kind = Text;
        QPointF at;  // text top left, line start
        QPointF to;  // line end
        QString text;
    };

    double pageWidth = 200.0;
    double pageHeight = 100.0;
    double charWidth = 2.0;
    double lineHeight = 5.0;
    PrintOutcome beginOutcome = PrintOutcome::Printed;
    PrintOutcome endOutcome = PrintOutcome::Printed;

    QString documentName;
    int orientation = 0;
    QString fontName;
    int fontPoints = 0;
    bool ended = false;
    bool cancelled = false;
    std::vector<Printed> printed;

    PrintOutcome begin(const QString& name, int pageOrientation, const QString& font, int points) override {
        documentName = name;
        orientation = pageOrientation;
        fontName = font;
        fontPoints = points;
        return beginOutcome;
    }
    double printableWidth() const override { return pageWidth; }
    double printableHeight() const override { return pageHeight; }
    double textWidth(QStringView text) const override { return charWidth * double(text.size()); }
    double textHeight(QStringView) const override { return lineHeight; }
    void printText(QPointF topLeft, const QString& text) override { printed.push_back({Printed::Text, topLeft, {}, text}); }
    void drawLine(QPointF from, QPointF to) override { printed.push_back({Printed::Line, from, to, {}}); }
    void newPage() override { printed.push_back({Printed::NewPage, {}, {}, {}}); }
    PrintOutcome end() override {
        ended = true;
        return endOutcome;
    }
    void cancel() override { cancelled = true; }
};

}  // namespace quillmar
