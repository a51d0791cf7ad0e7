#include <QPushButton>
#include <QtTest>

#include "common/runtime_error.h"
#include "app/quillmar_application.h"
#include "platform/modal.h"
#include "support/test_support.h"

using namespace quillmar;

class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void aFailureThatEscapesAHandlerIsReported() {
        test::ScriptedResponder answers;
        answers.answerMessage(modal::kOk);
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
    }
};

int main(int argc, char** argv) {
    QuillmarApplication app(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
