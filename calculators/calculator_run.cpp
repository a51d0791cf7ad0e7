#include "calculators/calculator_run.h"

#include <QLineEdit>
#include <QWidget>

#include "common/read_number.h"

namespace quillmar {
namespace {

constexpr double kPictureWidth = 8835.0;
constexpr double kPictureHeight = 4875.0;

}  // namespace

bool CalculatorInput::filled(std::initializer_list<const char*> names) const {
    for (const char* name : names)
        if (text(name).isEmpty())
            return false;
    return true;
}

double CalculatorInput::number(const char* box) const { return ReadNumber(text(box)); }

std::optional<QString> CalculatorRun::written(const QString& box) const {
    std::optional<QString> last;
    for (const BoxWrite& w : writes)
        if (w.box == box)
            last = w.text;
    return last;
}

BoxTexts readBoxes(const QWidget& window, const QStringList& names) {
    BoxTexts texts;
    for (const QString& name : names)
        if (const auto* box = window.findChild<QLineEdit*>(name))
            texts.insert(name, box->text());
    return texts;
}

void writeBoxes(QWidget& window, const QList<BoxWrite>& writes) {
    for (const BoxWrite& w : writes)
        if (auto* box = window.findChild<QLineEdit*>(w.box))
            box->setText(w.text);
}

double pictureHeightFor(double width) { return width * kPictureHeight / kPictureWidth; }

UserScale marginScale(double minX, double maxX, double minY, double maxY) {
    const double w = maxX - minX;
    const double h = maxY - minY;
    double width = 0.0;
    double height = 0.0;
    double drop = 0.0;
    if (w > h * kPictureWidth / kPictureHeight) {
        width = w * 1.2;
        height = w * kPictureHeight / kPictureWidth * 1.2;
        drop = w * 0.1;
    } else {
        width = h * kPictureWidth / kPictureHeight * 1.2;
        height = h * 1.2;
        drop = h * 0.1;
    }
    const float scaleWidth = toScaleValue(width);
    const float scaleHeight = toScaleValue(height);
    const float left = toScaleValue(minX - (widenScaleValue(scaleWidth) - w) / 2.0);
    const float top = toScaleValue(-maxY - drop);
    return checkedScale(left, top, scaleWidth, scaleHeight);
}

UserScale centredScale(QPointF drawnCentre, double width, double height) {
    const float scaleWidth = toScaleValue(width);
    const float scaleHeight = toScaleValue(height);
    const float left = toScaleValue(drawnCentre.x() - widenScaleValue(scaleWidth) / 2.0);
    const float top = toScaleValue(drawnCentre.y() - widenScaleValue(scaleHeight) / 2.0);
    return checkedScale(left, top, scaleWidth, scaleHeight);
}

}  // namespace quillmar
