#include "support/test_support.h"

#include <QDialog>
#include <cstdio>
#include <cstdlib>

namespace quillmar::test {

ScriptedResponder::ScriptedResponder() {
    responder_.message = [this](const modal::MessageRequest& request) {
        messages.push_back(request);
        if (messageAnswers.empty()) {
            std::fprintf(stderr, "unexpected message box: %s\n", request.text.toUtf8().constData());
            std::abort();
        }
        const int answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    };
    responder_.file = [this](const modal::FileRequest& request) -> std::optional<QString> {
        fileRequests.push_back(request);
        if (fileAnswers.empty()) {
            std::fprintf(stderr, "unexpected file dialog: %s\n", request.title.toUtf8().constData());
            std::abort();
        }
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    };
    responder_.dialog = [this](QDialog* dialog) {
        if (!dialogHandler) {
            std::fprintf(stderr, "unexpected dialog: %s\n", dialog->windowTitle().toUtf8().constData());
            std::abort();
        }
        return dialogHandler(dialog);
    };
    responder_.font = [this](const QFont& initial) -> std::optional<QFont> {
        if (fontAnswers.empty()) {
            std::fprintf(stderr, "unexpected font dialog: %s\n", initial.family().toUtf8().constData());
            std::abort();
        }
        auto answer = fontAnswers.front();
        fontAnswers.pop_front();
        return answer;
    };
    responder_.color = [this](const QColor& initial) -> std::optional<QColor> {
        if (colorAnswers.empty()) {
            std::fprintf(stderr, "unexpected colour dialog: %s\n", initial.name().toUtf8().constData());
            std::abort();
        }
        auto answer = colorAnswers.front();
        colorAnswers.pop_front();
        return answer;
    };
    modal::setResponder(&responder_);
}

ScriptedResponder::~ScriptedResponder() { modal::setResponder(nullptr); }

}  // namespace quillmar::test
