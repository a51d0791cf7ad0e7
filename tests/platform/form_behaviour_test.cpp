#include "platform/form_behaviour.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

using namespace quillmar;

// Only a move to another control leaves a box; switching windows or a context menu does not.
TEST(FormBehaviour, OnLeaveRunsOnlyForAMoveToAnotherControl) {
    const struct {
        Qt::FocusReason reason;
        int runs;
    } rows[] = {{Qt::TabFocusReason, 1}, {Qt::MouseFocusReason, 1},
                {Qt::ActiveWindowFocusReason, 0}, {Qt::PopupFocusReason, 0}};
    for (const auto& row : rows) {
        QLineEdit box;
        OnLeave leave(nullptr);
        int runs = 0;
        leave.run(&box, [&runs] { ++runs; });
        QFocusEvent out(QEvent::FocusOut, row.reason);
        QCoreApplication::sendEvent(&box, &out);
        EXPECT_EQ(runs, row.runs) << row.reason;
    }
}

// A step runs on Enter alone; a swallowed key never reaches the box.
TEST(FormBehaviour, EnterRunsTheStepAndPassesTheKeyOnOrNot) {
    for (const auto key : {EnterChain::Key::PassOn, EnterChain::Key::Swallow}) {
        QLineEdit box;
        EnterChain chain(nullptr);
        int runs = 0, boxSaw = 0;
        chain.run(&box, [&runs] { ++runs; }, key);
        QObject::connect(&box, &QLineEdit::returnPressed, [&boxSaw] { ++boxSaw; });
        for (const int k : {int{Qt::Key_Return}, int{Qt::Key_Enter}, int{Qt::Key_A}}) {
            QKeyEvent press(QEvent::KeyPress, k, k == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QCoreApplication::sendEvent(&box, &press);
        }
        EXPECT_EQ(runs, 2);
        EXPECT_EQ(boxSaw, key == EnterChain::Key::PassOn ? 2 : 0);
    }
}
