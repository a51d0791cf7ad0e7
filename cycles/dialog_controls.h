#pragma once

#include <QLabel>
#include <QString>

namespace quillmar {

// A control that answers to its form name, so code and tests can find it by that name.
template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A caption shown as typed, never as markup.
inline QLabel* plainLabel(const QString& caption, const char* name, QWidget* parent) {
    auto* label = named(new QLabel(caption, parent), name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace quillmar
