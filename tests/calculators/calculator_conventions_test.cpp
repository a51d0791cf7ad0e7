#include "calculators/calculator_conventions.h"

#include <gtest/gtest.h>

#include "calculators/figure.h"
#include "common/format.h"
#include "common/runtime_error.h"
#include "platform/recording_surface.h"

using namespace quillmar;

namespace {

TEST(Readout, ShowsTheMousePositionInProgramCoordinates) {
    const struct { float x, y; Plane plane; const char* text; } cases[] = {
        // Z 10 at radius 12.5: X is shown as the diameter; no zero before the point.
        {10.0f, -12.5f, Plane::XZ, "X 25  Z 10 "}, {0.0f, -0.25f, Plane::XZ, "X .5  Z 0 "},
        // Cut to thousandths toward minus infinity.
        {-1.2345f, 0.61725f, Plane::XZ, "X-1.235  Z-1.235 "}, {1.23456f, -0.0004f, Plane::XZ, "X 0  Z 1.234 "},
        {-0.0004f, 0.0002f, Plane::XZ, "X-.001  Z-.001 "},
        // X-Y plane: X across, Y up.
        {3.0f, -4.0f, Plane::XY, "X 3  Y 4 "}, {-0.5f, 2.5f, Plane::XY, "X-.5  Y-2.5 "},
        // The last values a program could hold show whole; from 1E15 on nothing shows.
        {9.999999e14f, -4.9999995e14f, Plane::XZ, "X 999999900000000  Z 999999900000000 "},
        {1.0e15f, 0.0f, Plane::XZ, ""}, {0.0f, 1.0e15f, Plane::XY, ""},
        // A circle of R 1E36 ten radii wide: thousandths of its points overflow.
        {2.5e36f, -1.0e36f, Plane::XZ, ""},
        // The arc's lines from Z 1E36 along Z and from X 0, Z 0 across: to the right the
        // thousandths overflow, to the left the values are beyond what a program holds.
        {8.0e35f, 1.0e35f, Plane::XZ, ""}, {2.68e34f, -1.0e30f, Plane::XZ, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readoutText(c.x, c.y, c.plane).toStdString(), c.text) << c.x << ", " << c.y;
}

// A length shows its nearest ten-thousandth; an angle is lifted by a ten-thousandth and
// cut to thousandths.
TEST(ResultText, LiftsBeforeCutting) {
    const struct { double value; Measure measure; const char* text; } cases[] = {
        {12.3449999, Measure::Length, "12.345"}, {0.00095, Measure::Length, "0.001"},
        {-1.2345, Measure::Length, "-1.2345"},  {-1.2, Measure::Length, "-1.2"},
        {-0.00005, Measure::Length, "0"},       {12.34499999, Measure::Length, "12.345"},
        {-0.0006, Measure::Length, "-0.0006"},  {99.99997676, Measure::Length, "100"},
        {12.3449999, Measure::Angle, "12.345"}, {-0.0006, Measure::Angle, "-0.001"}};
    for (const auto& [value, measure, text] : cases)
        EXPECT_EQ(liftedResultText(value, measure).toStdString(), text) << value;
}

TEST(Angles, ConvertWithTheProgramsPiAndFindParallelDirections) {
    EXPECT_EQ(degreesToRadians(180.0), gPi);
    EXPECT_THROW(degreesToRadians(1e308), RuntimeError);
    auto parallel = [](double a, double b) { return parallelDirections(degreesToRadians(a), degreesToRadians(b)); };
    const struct { double a, b; bool parallel; } rows[] = {
        {30, 30, true}, {-90, 90, true}, {45, -315, true}, {0, 90, false}, {0, 179.999, false}, {0, 0.001, false}};
    for (const auto& r : rows)
        EXPECT_EQ(parallel(r.a, r.b), r.parallel) << r.a << " " << r.b;
}

TEST(Scale, ValuesBeyondSinglePrecisionAndVanishingExtentsAreRefused) {
    EXPECT_EQ(toScaleValue(3.0e38), 3.0e38f);
    EXPECT_THROW(toScaleValue(3.5e38), RuntimeError);
    EXPECT_THROW(toScaleValue(-1e300), RuntimeError);
    const struct { float left, top, width, height; bool refused; } rows[] = {
        {0, 0, -2, -1, false}, {0, 0, 0, 1, true}, {0, 0, 1, 0, true}, {5, 0, 1e-15f, 1, true},
        {0, 0, 1e-15f, 1e-15f, false}};
    for (const auto& r : rows)
        if (r.refused)
            EXPECT_THROW(checkedScale(r.left, r.top, r.width, r.height), RuntimeError) << r.left << " " << r.width;
        else
            EXPECT_NO_THROW(checkedScale(r.left, r.top, r.width, r.height)) << r.width;
}

TEST(DrawFigure, ReplaysStepsWithScaleAndColour) {
    RecordingSurface surface{kCalculatorPictureSize};
    Figure figure;
    figure.clear();
    figure.setScale({-10.0f, -5.0f, 20.0f, 10.0f});
    figure.line({-1, 0}, {1, 0}, kGeometryColour);
    figure.textColour(kLabelColour);
    figure.circle({2, 2}, 1.5, kMarkerColour);
    figure.text({3, -3}, QStringLiteral("1"));
    drawFigure(figure, surface, kMarkerColour);

    ASSERT_EQ(surface.drawn.size(), 4u);
    EXPECT_EQ(surface.drawn[2].radius, 1.5);
    EXPECT_EQ(surface.drawn[3].colour, kLabelColour);
    EXPECT_EQ(surface.foreColor(), kLabelColour);  // kept for the next run
}

// The failure text stands where drawing stopped: at the last point, after a clear at the
// origin of the scale in force, and at the picture's top left when that lies off it.
TEST(DrawFigure, FailureTextWhereDrawingStopped) {
    RecordingSurface surface{kCalculatorPictureSize};
    surface.setScale({-10.0f, -5.0f, 20.0f, 10.0f});
    Figure figure;
    figure.clear();
    figure.failure = 11;
    drawFigure(figure, surface, std::nullopt);
    EXPECT_EQ(surface.drawn.back().from, QPointF(0, 0));
    EXPECT_EQ(surface.drawn.back().colour, qRgb(0, 0, 0));  // the surface's own text colour

    figure.line({-1, 0}, {4, 2}, kGeometryColour);
    drawFigure(figure, surface, kMarkerColour);
    EXPECT_EQ(surface.drawn.back().from, QPointF(4, 2));
    EXPECT_EQ(surface.drawn.back().colour, kMarkerColour);

    RecordingSurface reversed{kCalculatorPictureSize};
    reversed.setScale({10.0f, 10.0f, -20.0f, -20.0f});
    Figure ray;
    ray.line({0, 0}, {500, 0}, kGeometryColour);
    ray.failure = 6;
    drawFigure(ray, reversed, kMarkerColour);
    EXPECT_EQ(reversed.drawn.back().from, QPointF(10, 10));
}

}  // namespace
