#include "cycles/process_dialog_layout.h"

#include "app/common/format.h"

namespace quillmar {
namespace {

QString withoutSignBlank(QString s) {
    if (s.startsWith(QLatin1Char(' ')))
        s.remove(0, 1);
    if (s.startsWith(QLatin1Char('.')))
        s.prepend(QLatin1Char('0'));
    else if (s.startsWith(QLatin1String("-.")))
        s.insert(1, QLatin1Char('0'));
    return s;
}

}  // namespace

QString boxText(double value) { return withoutSignBlank(numberText(value)); }

QString boxText(Single value) { return withoutSignBlank(numberText(value)); }

}  // namespace quillmar
