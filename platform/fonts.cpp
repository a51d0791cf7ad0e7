#include "platform/fonts.h"

namespace quillmar {

QString familyForName(const QString& name) {
    if (name == QStringLiteral("ＭＳ ゴシック") || name == QStringLiteral("ＭＳ Ｐゴシック"))
        return QStringLiteral("IPAGothic");
    if (name == QStringLiteral("ＭＳ 明朝") || name == QStringLiteral("ＭＳ Ｐ明朝"))
        return QStringLiteral("IPAMincho");
    return name;
}

QFont fontForName(const QString& name, int pointSize) {
    QFont font(familyForName(name));
    if (pointSize > 0)
        font.setPointSize(pointSize);
    return font;
}

}  // namespace quillmar
