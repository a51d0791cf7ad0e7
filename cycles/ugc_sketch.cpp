#include "cycles/ugc_sketch.h"

#include <QPainter>
#include <QPen>

namespace quillmar {
namespace {

// The window-text colour of the palette for lines that are there, a grey for a face
// that a centre hides.
QColor colourOf(UgcSketch::Look look, const QPalette& palette) {
    switch (look) {
        case UgcSketch::Look::Normal: return palette.color(QPalette::WindowText);
        case UgcSketch::Look::Faded: return palette.color(QPalette::Mid);
        case UgcSketch::Look::Highlight: return QColor(255, 0, 255);
    }
    return palette.color(QPalette::WindowText);
}

// Sketch units: the centre line at y 150, the blank from its chuck end at x 110 to its
// face at x 290, outer surface at y 50, bore at y 115.
constexpr double kCentre = 150;
constexpr double kChuckEnd = 110;
constexpr double kFace = 290;
constexpr double kOuter = 50;
constexpr double kBore = 115;
constexpr double kZero = 278;

}  // namespace

const std::vector<UgcSketch::Segment>& UgcSketch::segments() {
    static const std::vector<Segment> table = {
        {"Line1", {10, kCentre, 390, kCentre}, true, false},            // spindle centre line
        {"Line14", {kZero, 30, kZero, 165}, true, false},               // program-zero plane
        {"Line18", {kZero, kCentre, kFace, kCentre}, false, false},     // P-Zero: zero to face
        {"Line3", {kChuckEnd, kOuter, kFace, kOuter}, false, false},    // outer surface: length
        {"Line2", {kChuckEnd, kCentre, kChuckEnd, kOuter}, false, false},  // chuck end: diameter
        {"Line4", {kFace, kOuter, kFace, kBore}, false, false},         // face down to the bore
        {"Line19", {kFace, kBore, kFace, kCentre}, false, false},       // face below the bore
        {"Line5", {kChuckEnd, kBore, kFace, kBore}, false, false},      // bore
        {"Line6", {kChuckEnd, kOuter, 160, kOuter}, false, false},      // jaw's gripping face
        {"Line7", {kChuckEnd, 65, kChuckEnd, kOuter}, false, false},    // jaw's step: depth
        {"Line8", {160, kOuter, 160, 15}, false, false},
        {"Line9", {160, 15, 60, 15}, false, false},
        {"Line10", {60, 15, 60, 65}, false, false},
        {"Line11", {60, 65, kChuckEnd, 65}, false, false},
        {"Line12", {270, kCentre, 305, 125}, false, true},              // centre's cone
        {"Line13", {305, 125, 335, 125}, false, true},                  // centre's length
        {"Line17", {305, 125, 305, kCentre}, false, true},              // small diameter
        {"Line15", {335, 105, 335, kCentre}, false, true},              // large diameter
        {"Line16", {335, 105, 390, 105}, false, true},                  // body
    };
    return table;
}

QPointF UgcSketch::programZero() { return {kZero, kCentre}; }

UgcSketch::UgcSketch(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
    for (const Segment& s : segments()) {
        visible_.push_back(!s.hiddenAtDesign);
        looks_.push_back(Look::Normal);
    }
}

int UgcSketch::indexOf(const QString& name) const {
    const auto& table = segments();
    for (size_t i = 0; i < table.size(); ++i)
        if (name == QLatin1String(table[i].name))
            return int(i);
    return -1;
}

void UgcSketch::setSegmentVisible(const QString& name, bool visible) {
    const int i = indexOf(name);
    if (i < 0 || visible_[size_t(i)] == visible)
        return;
    visible_[size_t(i)] = visible;
    update();
}

bool UgcSketch::segmentVisible(const QString& name) const {
    const int i = indexOf(name);
    return i >= 0 && visible_[size_t(i)];
}

void UgcSketch::setLook(const QString& name, Look look) {
    const int i = indexOf(name);
    if (i < 0 || looks_[size_t(i)] == look)
        return;
    looks_[size_t(i)] = look;
    update();
}

UgcSketch::Look UgcSketch::look(const QString& name) const {
    const int i = indexOf(name);
    return i >= 0 ? looks_[size_t(i)] : Look::Normal;
}

void UgcSketch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const auto& table = segments();
    // Highlighted segments last, so that a line sharing their place cannot cover them.
    for (const bool highlighted : {false, true}) {
        for (size_t i = 0; i < table.size(); ++i) {
            if (!visible_[i] || (looks_[i] == Look::Highlight) != highlighted)
                continue;
            QPen pen(colourOf(looks_[i], palette()), looks_[i] == Look::Highlight ? 2 : 1);
            pen.setStyle(table[i].dashDot ? Qt::DashDotLine : Qt::SolidLine);
            painter.setPen(pen);
            painter.drawLine(table[i].line);
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::WindowText));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawEllipse(programZero(), 3, 3);
}

}  // namespace quillmar
