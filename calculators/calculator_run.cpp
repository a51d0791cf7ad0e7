#include "calculators/calculator_run.h"

#include <QLineEdit>
#include <QWidget>

#include "common/read_number.h"

namespace quillmar {
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

}  // namespace quillmar
