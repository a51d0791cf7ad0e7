#include <QtTest>

#include "platform/PictureBox.h"

using namespace quillmar;

namespace {

constexpr QRgb kYellow = 0xFFFFFF0F;

int count(const QImage& image, QRgb colour, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

}  // namespace

class TestPictureBox : public QObject {
    Q_OBJECT

private slots:
    void mapsUserUnitsToPixels() {
        PictureBox box(QSize(589, 325));
        box.setScale({-4417.5f, -2437.5f, 8835.0f, 4875.0f});
        QCOMPARE(box.toPixel(QPointF(0, 0)), QPointF(294.5, 162.5));
        box.setScale({10.0f, 5.0f, -20.0f, -10.0f});  // reversed
        QCOMPARE(box.toPixel(QPointF(-10, -5)), QPointF(589, 325));
    }

    // Shapes far outside are cut to the picture rather than drawn (or hung on) whole.
    void farShapesAreCutToThePicture() {
        PictureBox box(QSize(100, 50));
        const QRect all(0, 0, 100, 50);
        box.setScale({0.0f, 0.0f, 100.0f, 50.0f});
        box.line(QPointF(-1e12, 25), QPointF(1e12, 25), kYellow);
        QCOMPARE(count(box.image(), kYellow, QRect(0, 25, 100, 1)), 100);
        box.clear();
        box.line(QPointF(-1e300, -1e300), QPointF(-1e299, 1e300), kYellow);
        box.circle(QPointF(50, 25), 1e7, kYellow);  // around the whole picture
        box.circle(QPointF(5e6, 25), 10, kYellow);
        box.setCurrentPosition(QPointF(1e30, 1e30));
        box.print(QStringLiteral("far"));
        QCOMPARE(count(box.image(), qRgb(0, 0, 0), all), 100 * 50);
        // Centre a billion units below, edge through the middle row: a flat line there.
        box.circle(QPointF(50, 25 + 1e9), 1e9, kYellow);
        QVERIFY(count(box.image(), kYellow, QRect(0, 24, 100, 3)) >= 95);
        QCOMPARE(count(box.image(), kYellow, QRect(0, 0, 100, 20)), 0);
    }
};

QTEST_MAIN(TestPictureBox)
#include "tst_PictureBox.moc"
