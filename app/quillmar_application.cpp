#include "app/quillmar_application.h"

#include <QStyle>
#include <exception>
#include <new>

#include "common/runtime_error.h"
#include "cycles/process_error.h"
#include "platform/deferred_icons.h"

namespace quillmar {

namespace {

QList<QByteArray> gNativeArguments;

}  // namespace

QuillmarApplication::QuillmarApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // The toolkit has taken its own options out of argv by now.
    gNativeArguments.clear();
    for (int i = 0; i < argc; ++i)
        gNativeArguments << QByteArray(argv[i]);
    setApplicationName(kAppTitle);
    setOrganizationName(kAppTitle);
    setStyle(new DeferredIconStyle(style()->name()));
}

QList<QByteArray> QuillmarApplication::nativeArguments() { return gNativeArguments; }

bool QuillmarApplication::notify(QObject* receiver, QEvent* event) {
    int number = 0;
    try {
        return QApplication::notify(receiver, event);
    } catch (const RuntimeError& e) {
        number = e.number();
    } catch (const std::bad_alloc&) {
        number = kErrOutOfMemory;
    } catch (const std::exception&) {
        number = kErrInternal;
    }
    ShowProcessError(number, activeWindow());
    return false;
}

}  // namespace quillmar
