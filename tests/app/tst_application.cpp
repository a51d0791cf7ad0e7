#include <QPushButton>
#include <QtTest>

#include "common/runtime_error.h"
#include "app/quillmar_application.h"
#include "platform/modal.h"
#include "platform/rich_text_box.h"
#include "support/test_support.h"

using namespace quillmar;

class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void aFailureThatEscapesAHandlerIsReported() {
        test::ScriptedResponder answers;
        for (int i = 0; i < 3; ++i)
            answers.answerMessage(modal::kOk);
        QPushButton button;
        int clicks = 0;
        connect(&button, &QPushButton::clicked, [&clicks] {
            if (++clicks == 1)
                throw RuntimeError(kErrDivisionByZero);
            throw std::runtime_error("no number");
        });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 2);
        QCOMPARE(answers.messages.size(), size_t(2));
        QCOMPARE(answers.messages[0].title, QStringLiteral("Error 11"));
        QCOMPARE(answers.messages[1].title, QStringLiteral("Error 51"));
        QCOMPARE(answers.messages[1].text, QStringLiteral("エラーです。"));

        // A listener's error after an edit is reported too, and the edit stays.
        RichTextBox box;
        connect(&box, &RichTextBox::contentChanged, [] { throw RuntimeError(kErrDivisionByZero); });
        box.show();
        QTest::keyClicks(&box, "G");
        QTRY_COMPARE(answers.messages.size(), size_t(3));
        QCOMPARE(answers.messages[2].title, QStringLiteral("Error 11"));
        QCOMPARE(box.Text(), QStringLiteral("G"));
    }
};

int main(int argc, char** argv) {
    QuillmarApplication app(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
