// What the window manager adds round the windows: frames and title bars. Run on a display of
// its own under a window manager (scripts/under_window_manager, on a 1366 x 768 screen).
#include <QScreen>
#include <QtTest>

#include "support/main_window.h"

using namespace quillmar;

namespace {

bool framed(const QWidget& window) { return window.frameGeometry() != window.geometry(); }

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
        QTRY_VERIFY(framed(w));
        QTRY_VERIFY2(w.screen()->availableGeometry().contains(w.frameGeometry()),
                     qPrintable(QDebug::toString(w.frameGeometry())));
    }
};

QTEST_MAIN(WindowFramesTest)
#include "tst_window_frames.moc"
