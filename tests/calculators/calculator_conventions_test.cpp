#include "calculators/calculator_conventions.h"

#include <gtest/gtest.h>

#include "common/format.h"
#include "common/runtime_error.h"
#include "calculators/figure.h"
#include "platform/recording_surface.h"

using namespace quillmar;

namespace {

struct ReadoutCase {
    float x;
    float y;
    Plane plane;
    const char* text;
};

TEST(Readout, ShowsTheMousePositionInProgramCoordinates) {
    const ReadoutCase cases[] = {
        // Z 10 at radius 12.5: X is shown as the diameter.
        {10.0f, -12.5f, Plane::XZ, "X 25  Z 10 "},
        {-10.25f, -12.75f, Plane::XZ, "X 25.5  Z-10.25 "},
        // No zero before the point below magnitude 1.
        {0.0f, -0.25f, Plane::XZ, "X .5  Z 0 "},
        // Cut to thousandths toward minus infinity.
        {-1.2345f, 0.61725f, Plane::XZ, "X-1.235  Z-1.235 "},
        {1.23456f, -0.0004f, Plane::XZ, "X 0  Z 1.234 "},
        // X-Y plane: X across, Y up.
        {3.0f, -4.0f, Plane::XY, "X 3  Y 4 "},
        {-0.5f, 2.5f, Plane::XY, "X-.5  Y-2.5 "},
        {1234.5678f, -98765.43f, Plane::XY, "X 1234.567  Y 98765.43 "},
    };
    for (const ReadoutCase& c : cases)
        EXPECT_EQ(readoutText(c.x, c.y, c.plane).toStdString(), c.text) << c.x << ", " << c.y;
}

TEST(ResultText, LiftsBeforeCutting) {
    const std::pair<double, const char*> cases[] = {
        {12.3449999, "12.345"}, {0.00095, "0.001"}, {-1.2345, "-1.235"}, {-1.2, "-1.2"},
        {100.0, "100"},         {-0.00005, "0"},    {0.0, "0"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(liftedResultText(value).toStdString(), text) << value;
}

TEST(Angles, ConvertWithTheProgramsPi) {
    EXPECT_EQ(degreesToRadians(180.0), gPi);
    EXPECT_EQ(degreesToRadians(90.0), gPi / 2.0);
    EXPECT_THROW(degreesToRadians(1e308), RuntimeError);
}

TEST(Angles, ParallelDirections) {
    auto deg = [](double a) { return degreesToRadians(a); };
    EXPECT_TRUE(parallelDirections(deg(30), deg(30)));
    EXPECT_TRUE(parallelDirections(deg(0), deg(180)));
    EXPECT_TRUE(parallelDirections(deg(-90), deg(90)));
    EXPECT_TRUE(parallelDirections(deg(30.1), deg(210.1)));
    EXPECT_TRUE(parallelDirections(deg(45), deg(-315)));
    EXPECT_FALSE(parallelDirections(deg(0), deg(90)));
    EXPECT_FALSE(parallelDirections(deg(0), deg(179.999)));
    EXPECT_FALSE(parallelDirections(deg(0), deg(0.001)));
}

TEST(InsertText, JoinsWordsAndBoxesAsTheyStand) {
    const InsertButton insert{QStringLiteral("Command1"),
                          {{QStringLiteral("N000 G01 X"), {}, QStringLiteral("Text1")},
                           {QStringLiteral(" Z"), QStringLiteral(" Y"), QStringLiteral("Text2")}},
                          true};
    auto boxes = [](const QString& name) { return name == QLatin1String("Text1") ? QStringLiteral(" 1.50") : QStringLiteral("abc"); };
    EXPECT_EQ(insertText(insert, Plane::XZ, boxes), QStringLiteral("N000 G01 X 1.50 Zabc\r\n"));
    EXPECT_EQ(insertText(insert, Plane::XY, boxes), QStringLiteral("N000 G01 X 1.50 Yabc\r\n"));
    InsertButton word = insert;
    word.lineEnd = false;
    word.words = {{QStringLiteral("A"), {}, {}}};
    EXPECT_EQ(insertText(word, Plane::XZ, boxes), QStringLiteral("A"));
}

// --- Scales ------------------------------------------------------------------------

TEST(Scale, ValuesBeyondSinglePrecisionOverflow) {
    EXPECT_EQ(toScaleValue(3.0e38), 3.0e38f);
    EXPECT_THROW(toScaleValue(3.5e38), RuntimeError);
    EXPECT_THROW(toScaleValue(-1e300), RuntimeError);
    EXPECT_EQ(widenScaleValue(0.1f), 0.1);
}

TEST(Scale, AZeroOrVanishingExtentIsRefused) {
    EXPECT_NO_THROW(checkedScale(-1.0f, -1.0f, 2.0f, 1.0f));
    EXPECT_NO_THROW(checkedScale(0.0f, 0.0f, -2.0f, -1.0f));
    EXPECT_THROW(checkedScale(0.0f, 0.0f, 0.0f, 1.0f), RuntimeError);
    EXPECT_THROW(checkedScale(0.0f, 0.0f, 1.0f, 0.0f), RuntimeError);
    EXPECT_THROW(checkedScale(5.0f, 0.0f, 1e-15f, 1.0f), RuntimeError);
    EXPECT_NO_THROW(checkedScale(0.0f, 0.0f, 1e-15f, 1e-15f));
}

// --- Replaying a figure ---------------------------------------------------------------

TEST(DrawFigure, ReplaysStepsWithScaleAndColour) {
    RecordingSurface surface;
    Figure figure;
    figure.clear();
    figure.setScale({-10.0f, -5.0f, 20.0f, 10.0f});
    figure.line({-1, 0}, {1, 0}, kGeometryColour);
    figure.textColour(kLabelColour);
    figure.circle({2, 2}, 1.5, kMarkerColour);
    figure.text({3, -3}, QStringLiteral("1"));
    drawFigure(figure, surface, kMarkerColour);

    ASSERT_EQ(surface.drawn.size(), 4u);
    EXPECT_EQ(surface.drawn[0].kind, RecordingSurface::Drawn::Background);
    EXPECT_EQ(surface.drawn[1].kind, RecordingSurface::Drawn::Line);
    EXPECT_EQ(surface.drawn[1].colour, kGeometryColour);
    EXPECT_EQ(surface.drawn[1].scale, (UserScale{-10.0f, -5.0f, 20.0f, 10.0f}));
    EXPECT_EQ(surface.drawn[2].radius, 1.5);
    EXPECT_EQ(surface.drawn[2].colour, kMarkerColour);
    EXPECT_EQ(surface.drawn[3].text, QStringLiteral("1"));
    EXPECT_EQ(surface.drawn[3].colour, kLabelColour);
    EXPECT_EQ(surface.drawn[3].from, QPointF(3, -3));
    EXPECT_EQ(surface.foreColor(), kLabelColour);  // kept for the next run
}

TEST(DrawFigure, InvertedModeFlipsLinesAndCirclesButNotText) {
    RecordingSurface surface;
    surface.setDrawMode(DrawMode::InvertPen);
    Figure figure;
    figure.line({0, 0}, {1, 1}, kGeometryColour);
    figure.circle({0, 0}, 1, kMarkerColour);
    figure.textColour(kLabelColour);
    figure.text({0, 0}, QStringLiteral("2"));
    drawFigure(figure, surface, kMarkerColour);
    EXPECT_EQ(surface.drawn[0].colour, qRgb(0, 0, 240));    // yellow comes out dark blue
    EXPECT_EQ(surface.drawn[1].colour, qRgb(0, 255, 255));  // red comes out cyan
    EXPECT_EQ(surface.drawn[2].colour, kLabelColour);
}

TEST(DrawFigure, FailureTextAtTheLastPosition) {
    RecordingSurface surface;
    surface.setScale({-10.0f, -5.0f, 20.0f, 10.0f});
    Figure figure;
    figure.clear();
    figure.line({-1, 0}, {4, 2}, kGeometryColour);
    figure.failure = 11;
    drawFigure(figure, surface, kMarkerColour);
    const auto& text = surface.drawn.back();
    EXPECT_EQ(text.text, kNoCrossingText);
    EXPECT_EQ(text.from, QPointF(4, 2));
    EXPECT_EQ(text.colour, kMarkerColour);
}

TEST(DrawFigure, FailureTextAfterAClearStandsAtTheOriginOfTheScaleInForce) {
    RecordingSurface surface;
    surface.setScale({-10.0f, -5.0f, 20.0f, 10.0f});
    Figure figure;
    figure.clear();
    figure.failure = 11;
    drawFigure(figure, surface, std::nullopt);
    EXPECT_EQ(surface.drawn.back().from, QPointF(0, 0));
    EXPECT_EQ(surface.drawn.back().colour, qRgb(0, 0, 0));  // the surface's own text colour
}

TEST(DrawFigure, FailureTextOffThePictureMovesToItsTopLeft) {
    RecordingSurface surface;
    surface.setScale({100.0f, -60.0f, 50.0f, 25.0f});
    Figure figure;
    figure.clear();  // 0, 0 lies off this scale
    figure.failure = 380;
    drawFigure(figure, surface, kMarkerColour);
    EXPECT_EQ(surface.drawn.back().from, QPointF(100, -60));

    // The far end of a ray, well off a reversed scale.
    RecordingSurface reversed;
    reversed.setScale({10.0f, 10.0f, -20.0f, -20.0f});
    Figure ray;
    ray.line({0, 0}, {500, 0}, kGeometryColour);
    ray.failure = 6;
    drawFigure(ray, reversed, kMarkerColour);
    EXPECT_EQ(reversed.drawn.back().from, QPointF(10, 10));
}

}  // namespace
