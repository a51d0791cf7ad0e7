#pragma once

// What the dialog window tests share.

#include <QWidget>
#include <QtTest>

namespace quillmar::test {

inline QString focusName(const QWidget& window) {
    QWidget* w = window.focusWidget();
    return w ? w->objectName() : QString();
}

// Shown and active, so that focus and keys go where the user's would.
inline void showAndActivate(QWidget& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace quillmar::test
