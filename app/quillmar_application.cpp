#include "app/quillmar_application.h"

#include <QStyle>
#include <exception>
#include <new>

#include "common/runtime_error.h"
#include "cycles/process_error.h"
#include "platform/deferred_icons.h"

namespace quillmar {

QuillmarApplication::QuillmarApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(kAppTitle);
    setOrganizationName(kAppTitle);
    setStyle(new DeferredIconStyle(style()->name()));
}

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
