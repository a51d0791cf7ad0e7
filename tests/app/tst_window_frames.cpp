// What the window manager adds round the windows: frames and title bars. Run on a display of
// its own under a window manager (scripts/under_window_manager, on a 1366 x 768 screen).
#include <QDialog>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "platform/modal.h"
#include "platform/window_frame.h"
#include "support/main_window.h"

// X11 headers come last: their macros clash with Qt's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

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

Display* x11Display() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

// The 32-bit items of a property of the window, of the type named (the property's own name
// when none is); empty where it has no such property.
QList<unsigned long> windowProperty(const QWidget& window, const char* name, const char* type = nullptr) {
    Display* display = x11Display();
    if (!display)
        return {};
    const Atom which = XInternAtom(display, name, False);
    const Atom wanted = type ? XInternAtom(display, type, False) : which;
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char* data = nullptr;
    QList<unsigned long> items;
    if (XGetWindowProperty(display, window.winId(), which, 0, 64, False, wanted, &actual, &format, &count, &left,
                           &data) == Success &&
        actual == wanted && format == 32)
        items = QList<unsigned long>(reinterpret_cast<const unsigned long*>(data),
                                     reinterpret_cast<const unsigned long*>(data) + count);
    if (data)
        XFree(data);
    return items;
}

// What the window manager lets the user do with the window from its title bar and frame:
// the "_NET_WM_ACTION_..." names it announces on the window.
QStringList allowedActions(const QWidget& window) {
    QStringList names;
    for (unsigned long atom : windowProperty(window, "_NET_WM_ALLOWED_ACTIONS", "ATOM")) {
        char* name = XGetAtomName(x11Display(), atom);
        names << QString::fromLatin1(name).remove(QStringLiteral("_NET_WM_ACTION_"));
        XFree(name);
    }
    return names;
}

// The window's Motif hints, which ask the window manager for the functions it offers: the
// flag that says the functions are given, and the functions' bits.
constexpr unsigned long kMotifFunctionsGiven = 1;
constexpr unsigned long kMotifAll = 1, kMotifMinimise = 8, kMotifMaximise = 16, kMotifClose = 32;

// Asks the window manager to minimise the window, as its minimise button would.
void minimise(const QWidget& window) {
    if (Display* display = x11Display()) {
        XIconifyWindow(display, window.winId(), DefaultScreen(display));
        XFlush(display);
    }
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

    void theCycleDialogsOfferNoWindowButtons_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("machine setup") << QStringLiteral("ProcessSetup");
        QTest::newRow("workpiece") << QStringLiteral("ProcessUGC");
        QTest::newRow("process parameters") << QStringLiteral("ProcessRoughOD");
    }

    // The title bars of the machine setup, workpiece and process dialogs carry no minimise,
    // maximise or close button. The window asks every window manager for none; openbox, the
    // one these tests run under, keeps a close button on every framed window whatever it is
    // asked, so there the close button is the dialog's to turn down.
    void theCycleDialogsOfferNoWindowButtons() {
        QFETCH(QString, command);
        test::MainWindowFixture f;
        f.settings.write("Parameter", "CsvFileName", QStringLiteral(QUILLMAR_SOURCE_DIR "/resources/beside/S45C.CSV"));
        f.start();
        f.newDocument();
        QStringList actions;
        QList<unsigned long> asked;
        bool shown = false, mainWindowStayed = false;
        f.answers.dialogHandler = [&](QDialog* box) {
            box->show();
            shown = waitUntilShownActive(*box);
            asked = windowProperty(*box, "_MOTIF_WM_HINTS");
            // The window manager announces what it allows once it has taken the window on.
            if (QTest::qWaitFor([&] { return (actions = allowedActions(*box)).contains(QStringLiteral("MOVE")); })) {
                // Asked to minimise the dialog, the window manager leaves it, and the main
                // window, on the screen.
                minimise(*box);
                QTest::qWait(300);
                mainWindowStayed = !f.w().isMinimized() && box->windowHandle()->isExposed();
            }
            box->reject();
            return QDialog::Rejected;
        };
        f.w().runCommand(command);
        QVERIFY(shown);
        const QString offered = actions.join(u' ');
        QVERIFY2(actions.contains(QStringLiteral("MOVE")), qPrintable(offered));
        for (const char* action : {"MINIMIZE", "MAXIMIZE_HORZ", "MAXIMIZE_VERT", "RESIZE", "FULLSCREEN"})
            QVERIFY2(!actions.contains(QLatin1String(action)), qPrintable(offered));
        QVERIFY(mainWindowStayed);
        QVERIFY(asked.size() >= 2 && (asked[0] & kMotifFunctionsGiven));
        for (unsigned long function : {kMotifAll, kMotifMinimise, kMotifMaximise, kMotifClose})
            QVERIFY2(!(asked[1] & function), qPrintable(QString::number(asked[1], 16)));
    }
};

QTEST_MAIN(WindowFramesTest)
#include "tst_window_frames.moc"
