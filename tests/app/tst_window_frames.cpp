// What the window manager adds round the windows: frames and title bars. Run on a display of
// its own under a window manager (scripts/under_window_manager, on a 1366 x 768 screen).
#include <QDialog>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "platform/modal.h"
#include "platform/window_frame.h"
#include "support/main_window.h"

using namespace quillmar;

namespace {

bool framed(const QWidget& window) { return !windowFrame(window).isNull(); }

QRect outline(const QWidget& window) { return window.geometry().marginsAdded(windowFrame(window)); }

QImage titleBar(const QWidget& window) {
    const QRect frame = outline(window);
    return window.screen()
        ->grabWindow(0, frame.x(), frame.y(), frame.width(), window.geometry().y() - frame.y())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// Framed and active: a title bar in the look of the windows in use.
bool waitUntilShownActive(QWidget& window) {
    window.activateWindow();
    return QTest::qWaitForWindowExposed(&window) && QTest::qWaitForWindowActive(&window) &&
           QTest::qWaitFor([&] { return framed(window); });
}

// The title as the window manager draws it whole, on a window far wider than it needs: the
// columns of its bar, clear of the icon and the buttons at the ends, that differ from the
// plain bar.
QImage wholeTitle(const QString& title) {
    QWidget wide(nullptr, Qt::Dialog);
    wide.setWindowTitle(title);
    wide.setFixedSize(900, 40);
    wide.show();
    if (!waitUntilShownActive(wide))
        return {};
    QTest::qWait(100);
    const QImage bar = titleBar(wide);
    const int plain = bar.width() / 4;
    auto differs = [&](int x) {
        for (int y = 0; y < bar.height(); ++y)
            if (bar.pixel(x, y) != bar.pixel(plain, y))
                return true;
        return false;
    };
    int first = -1, last = -1;
    for (int x = plain; x < bar.width() - plain; ++x)
        if (differs(x)) {
            if (first < 0)
                first = x;
            last = x;
        }
    return first < 0 ? QImage() : bar.copy(first, 0, last - first + 1, bar.height());
}

// Whether the window's title bar shows the whole title, as a user sees it.
bool showsTitle(QWidget& window, const QImage& whole) {
    if (whole.isNull() || !waitUntilShownActive(window))
        return false;
    return QTest::qWaitFor([&] {
        const QImage bar = titleBar(window);
        for (int x = 0; x + whole.width() <= bar.width(); ++x)
            if (bar.copy(x, 0, whole.width(), bar.height()) == whole)
                return true;
        return false;
    });
}

}  // namespace

class WindowFramesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("frames and title bars are the window manager's: run through scripts/under_window_manager");
    }

    void theMainWindowFitsTheScreenWithItsFrame() {
        // The first start's 1000 x 800 is taller than the screen once the title bar is counted.
        test::MainWindowFixture f;
        frmMain& w = f.start();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(framed(w));
        QTRY_VERIFY2(w.screen()->availableGeometry().contains(outline(w)), qPrintable(QDebug::toString(outline(w))));
    }

    void titlesShowWhole() {
        test::MainWindowFixture f;
        f.start();
        bool about = false;
        f.answers.dialogHandler = [&](QDialog* box) {
            box->show();
            about = showsTitle(*box, wholeTitle(box->windowTitle()));
            return QDialog::Accepted;
        };
        f.choose("mnuHelpAbout");
        QVERIFY(about);

        f.newDocument(QStringLiteral("G00 X1\r\n"));
        f.w().runCommand(QStringLiteral("mnuToolsNumberArrange"));
        QWidget* arrange = f.w().toolWindow(QStringLiteral("frmNumberArrange"));
        QVERIFY(showsTitle(*arrange, wholeTitle(arrange->windowTitle())));

        // A message box blocks every other window: the title is drawn whole before it comes.
        const QImage title = wholeTitle(QStringLiteral("change by cal."));
        modal::setResponder(nullptr);
        for (const char* text : {"3 times changed.", "\"X1.\" not find."}) {
            bool whole = false;
            QTimer::singleShot(0, [&] {
                QWidget* box = QApplication::activeModalWidget();
                whole = box && showsTitle(*box, title);
                if (box)
                    box->close();
            });
            modal::msgBox(&f.w(), QString::fromUtf8(text), modal::kOkOnly, QStringLiteral("change by cal."));
            QVERIFY2(whole, text);
        }
    }
};

QTEST_MAIN(WindowFramesTest)
#include "tst_window_frames.moc"
