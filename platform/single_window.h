#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace quillmar {

// A tool window that exists at most once. The first show creates it in its design
// state, a show while it is open brings it to the front with its values, and a show
// after it was closed creates it anew: closing deletes it.
template <typename Window>
class SingleWindow {
public:
    using Factory = std::function<Window*()>;

    explicit SingleWindow(Factory create) : create_(std::move(create)) {}

    Window* show() {
        if (!window_) {
            window_ = create_();
            window_->setAttribute(Qt::WA_DeleteOnClose);
        }
        window_->show();
        window_->raise();
        window_->activateWindow();
        return window_;
    }

    // The open window, or nullptr.
    Window* window() const { return window_.data(); }

private:
    Factory create_;
    QPointer<Window> window_;
};

}  // namespace quillmar
