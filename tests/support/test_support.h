#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>

#include "platform/modal.h"

namespace quillmar::test {

// Answers modal prompts from queues a test fills; records every message shown.
// An unexpected prompt (nothing queued) fails loudly instead of blocking.
class ScriptedResponder {
public:
    ScriptedResponder();
    ~ScriptedResponder();

    void answerMessage(int answer) { messageAnswers.push_back(answer); }
    void answerFile(std::optional<QString> path) { fileAnswers.push_back(std::move(path)); }

    std::deque<int> messageAnswers;
    std::deque<std::optional<QString>> fileAnswers;
    std::vector<modal::MessageRequest> messages;
    std::vector<modal::FileRequest> fileRequests;
    std::function<int(QDialog*)> dialogHandler;
    std::deque<std::optional<QFont>> fontAnswers;
    std::deque<std::optional<QColor>> colourAnswers;
    std::function<bool(const modal::ProgressStep&)> progressHandler;  // none: tasks run on

private:
    modal::Responder responder_;
};

// A settings file in a fresh temporary folder.
struct TempSettings {
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Quillmar.ini")); }
};

}  // namespace quillmar::test
