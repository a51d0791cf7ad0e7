#pragma once

#include <QLineF>
#include <QString>
#include <QWidget>
#include <vector>

namespace quillmar {

// The workpiece dialog's side view of the blank in the chuck, above the spindle centre
// line: chuck jaw on the left, the blank's face and the program zero on the right, the
// tailstock centre beyond the face. Drawn from a fixed table of segments, each of which
// can be hidden, faded or highlighted while the box that sets its dimension has the focus.
class UgcSketch : public QWidget {
    Q_OBJECT

public:
    enum class Look {
        Normal,     // one unit wide in the window-text colour
        Faded,      // one unit wide in the menu-bar colour
        Highlight,  // two units wide in magenta
    };

    struct Segment {
        const char* name;
        QLineF line;  // in the sketch's own units, y growing downwards
        bool dashDot;
        bool hiddenAtDesign;
    };
    static const std::vector<Segment>& segments();

    // The program zero, a small filled dot on the centre line.
    static QPointF programZero();
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 170;

    explicit UgcSketch(QWidget* parent = nullptr);

    void setSegmentVisible(const QString& name, bool visible);
    bool segmentVisible(const QString& name) const;
    void setLook(const QString& name, Look look);
    Look look(const QString& name) const;

    QSize sizeHint() const override { return {kWidth, kHeight}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int indexOf(const QString& name) const;

    std::vector<bool> visible_;
    std::vector<Look> looks_;
};

}  // namespace quillmar
