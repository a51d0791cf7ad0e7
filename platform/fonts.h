#pragma once

#include <QFont>
#include <QString>

namespace quillmar {

// The font for a stored font name. The Japanese system fonts that stored settings name
// are shown with the IPA fonts of the same style; any other name is used as it stands.
QFont fontForName(const QString& name, int pointSize);
QString familyForName(const QString& name);

}  // namespace quillmar
