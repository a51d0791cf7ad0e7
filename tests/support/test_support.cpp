#include "support/test_support.h"

#include <QDialog>
#include <cstdio>
#include <cstdlib>

namespace quillmar::test {

namespace {

// The next queued answer; an unexpected prompt aborts instead of blocking.
template <class T>
T next(std::deque<T>& queue, const char* what, const QString& about) {
    if (queue.empty()) {
        std::fprintf(stderr, "unexpected %s: %s\n", what, about.toUtf8().constData());
        std::abort();
    }
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

}  // namespace

ScriptedResponder::ScriptedResponder() {
    responder_.message = [this](const modal::MessageRequest& request) {
        messages.push_back(request);
        return next(messageAnswers, "message box", request.text);
    };
    responder_.file = [this](const modal::FileRequest& request) {
        fileRequests.push_back(request);
        return next(fileAnswers, "file dialog", request.title);
    };
    responder_.dialog = [this](QDialog* dialog) {
        if (!dialogHandler) {
            std::fprintf(stderr, "unexpected dialog: %s\n", dialog->windowTitle().toUtf8().constData());
            std::abort();
        }
        return dialogHandler(dialog);
    };
    responder_.font = [this](const QFont& initial) { return next(fontAnswers, "font dialog", initial.family()); };
    responder_.colour = [this](const QColor& initial) { return next(colourAnswers, "colour dialog", initial.name()); };
    responder_.progress = [this](const modal::ProgressStep& step) { return !progressHandler || progressHandler(step); };
    modal::setResponder(&responder_);
}

ScriptedResponder::~ScriptedResponder() { modal::setResponder(nullptr); }

}  // namespace quillmar::test
