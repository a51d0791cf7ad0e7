#pragma once

#include <QString>
#include <QWidget>

class QMdiSubWindow;

namespace quillmar {

class RichTextBox;
class frmMain;
struct KeyPressArgs;
struct TextChange;

// A program document: one text control and the slot it took.
class frmDocument : public QWidget {
    Q_OBJECT
public:
    frmDocument(frmMain& main, int docIndex);
    ~frmDocument() override;

    RichTextBox* txtText = nullptr;
    const int DocIndex;

    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption);
    // A document that was never saved: its caption begins with "Untitl".
    bool isUntitled() const;
    // The file the document was read from or last saved to (the caption is its upper case).
    QString filePath() const { return filePath_; }
    void setFilePath(const QString& path) { filePath_ = path; }
    QMdiSubWindow* subWindow() const;

    // The close check; false when the user keeps the document open.
    bool Form_QueryUnload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Unload();
    void txtText_Change(const TextChange& change);
    void txtText_GotFocus();
    void txtText_KeyPress(KeyPressArgs& args);
    void txtText_MouseDown(Qt::MouseButton button, const QPoint& position);

    frmMain& main_;
    QString filePath_;
    bool unloaded_ = false;
};

}  // namespace quillmar
