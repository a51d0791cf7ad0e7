#pragma once

#include <QLabel>
#include <QString>

#include "platform/form_behaviour.h"

namespace quillmar {

// A caption shown as typed, never as markup.
inline QLabel* plainLabel(const QString& caption, const char* name, QWidget* parent) {
    auto* label = named(new QLabel(caption, parent), name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace quillmar
