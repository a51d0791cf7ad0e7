#include <gtest/gtest.h>

#include <QStringList>

#include <cmath>
#include <variant>

#include "common/format.h"
#include "calculators/arc_tangent_two_lines.h"
#include "calculators/calculator_conventions.h"
#include "calculators/figure.h"
#include "platform/recording_surface.h"

// The arc tangent to two lines on figures with oblique lines, worked out by hand from
// the formulas of the window: every result box as it is written, the fitted scale and
// the rays, the zoom in the X-Y plane, and where the failure text lands.

using namespace quillmar;

namespace {

ArcTangentInput lines(const char* x1, const char* z1, const char* a1, const char* x2, const char* z2, const char* a2,
                      const char* r, Plane plane, int corner, bool zoom = false) {
    ArcTangentInput in;
    in.x1 = QString::fromLatin1(x1);
    in.z1 = QString::fromLatin1(z1);
    in.a1 = QString::fromLatin1(a1);
    in.x2 = QString::fromLatin1(x2);
    in.z2 = QString::fromLatin1(z2);
    in.a2 = QString::fromLatin1(a2);
    in.r = QString::fromLatin1(r);
    in.plane = plane;
    in.corner = corner;
    in.zoom = zoom;
    return in;
}

// Text7 Text8 | Text10 Text11 | Text12 Text13 Text16 Text17 | Text14 Text15 Text18 Text19
QString boxes(const ArcTangentRun& run) {
    QStringList texts{run.crossingX.value_or(QStringLiteral("-")), run.crossingZ.value_or(QStringLiteral("-"))};
    if (run.arc) {
        const ArcTangentTexts& a = *run.arc;
        texts << a.centreX << a.centreZ << a.tangent1X << a.tangent1Z << a.tangent1I << a.tangent1K << a.tangent2X
              << a.tangent2Z << a.tangent2I << a.tangent2K;
    }
    return texts.join(QLatin1Char(' '));
}

struct ObliqueCase {
    const char* name;
    ArcTangentInput input;
    const char* expected;
};

// X-Z: a bore at diameter 40 running toward -Z meets a 45-degree taper from X 60, Z -20
// at X 40, Z -10; R 5. The corners lie between the two directions (1), opposite them (2)
// and in the two other angles (3, 4); the I of a radius 5 x sin 45 offset shows the
// ten-thousandth lift cutting -3.5355 to -3.536 but 3.5356 to 3.535.
// X-Y: y = x·tan 30 and the line from 20, 0 at 120 degrees cross square at 15, 8.66; R 3.
const ObliqueCase kOblique[] = {
    {"xzCorner1", lines("40", "0", "180", "60", "-20", "135", "5", Plane::XZ, 1),
     "40 -10 50 -22.071 40 -22.071 5 0 57.071 -18.536 -3.536 -3.536"},
    {"xzCorner2", lines("40", "0", "180", "60", "-20", "135", "5", Plane::XZ, 2),
     "40 -10 30 2.071 40 2.071 -5 0 22.929 -1.465 3.535 3.535"},
    {"xzCorner3", lines("40", "0", "180", "60", "-20", "135", "5", Plane::XZ, 3),
     "40 -10 30 -12.071 40 -12.071 -5 0 37.071 -8.536 -3.536 -3.536"},
    {"xzCorner4", lines("40", "0", "180", "60", "-20", "135", "5", Plane::XZ, 4),
     "40 -10 50 -7.929 40 -7.929 5 0 42.929 -11.465 3.535 3.535"},
    // Given the other way round, corners 3 and 4 keep their centres; the tangent points
    // change places with the lines.
    {"xzSwapped3", lines("60", "-20", "135", "40", "0", "180", "5", Plane::XZ, 3),
     "40 -10 30 -12.071 37.071 -8.536 -3.536 -3.536 40 -12.071 -5 0"},
    {"xzSwapped4", lines("60", "-20", "135", "40", "0", "180", "5", Plane::XZ, 4),
     "40 -10 50 -7.929 42.929 -11.465 3.535 3.535 40 -7.929 5 0"},
    {"xyCorner1", lines("0", "0", "30", "20", "0", "120", "3", Plane::XY, 1),
     "15 8.66 16.098 12.758 17.598 10.16 -1.5 2.598 13.5 11.258 2.598 1.5"},
    {"xyCorner2", lines("0", "0", "30", "20", "0", "120", "3", Plane::XY, 2),
     "15 8.66 13.902 4.562 12.402 7.16 1.5 -2.598 16.5 6.062 -2.598 -1.5"},
    {"xyCorner3", lines("0", "0", "30", "20", "0", "120", "3", Plane::XY, 3),
     "15 8.66 10.902 9.758 12.402 7.16 -1.5 2.598 13.5 11.258 -2.598 -1.5"},
    {"xyCorner4", lines("0", "0", "30", "20", "0", "120", "3", Plane::XY, 4),
     "15 8.66 19.098 7.562 17.598 10.16 1.5 -2.598 16.5 6.062 2.598 1.5"},
    // Angles more than a half turn apart: the formulas are taken as they stand.
    {"xyWideAngles", lines("0", "0", "-20", "10", "5", "200", "1.5", Plane::XY, 3),
     "-1.869 0.68 -6.255 0.68 2.004 -0.73 -8.259 1.409 2.004 2.089 -8.259 -1.41"},
};

class ArcTangentReview : public ::testing::TestWithParam<ObliqueCase> {};

TEST_P(ArcTangentReview, ResultBoxes) {
    const ObliqueCase& c = GetParam();
    const ArcTangentRun run = runArcTangent(c.input);
    EXPECT_FALSE(run.figure.failure);
    EXPECT_EQ(boxes(run).toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Oblique, ArcTangentReview, ::testing::ValuesIn(kOblique),
                         [](const auto& info) { return std::string(info.param.name); });

void expectPoint(QPointF actual, double x, double y, double tolerance = 1e-4) {
    EXPECT_NEAR(actual.x(), x, tolerance);
    EXPECT_NEAR(actual.y(), y, tolerance);
}

TEST(ArcTangentReviewFigure, WideFigureInTheXZPlane) {
    // (H, V) = (Z, X/2): start points (0, 20) and (-20, 30), crossing (-10, 20); w = 20 and
    // h = 10, wider than the picture: width 28, margin 4, left -20 - (28 - 20) / 2.
    const ArcTangentRun run = runArcTangent(lines("40", "0", "180", "60", "-20", "135", "", Plane::XZ, 1));
    ASSERT_FALSE(run.figure.failure);
    ASSERT_EQ(run.figure.steps.size(), 4u);
    const UserScale scale = std::get<Figure::Scale>(run.figure.steps[1]).scale;
    EXPECT_EQ(scale, (UserScale{-24.0f, -34.0f, 28.0f, static_cast<float>(1.4 * 20.0 * 4875.0 / 8835.0)}));
    // Line 1 runs from Z 0 toward -Z along radius 20; line 2 from (-20, 30) down to the
    // right through the crossing point, each one scale width long (V drawn negated).
    const auto& ray1 = std::get<Figure::Line>(run.figure.steps[2]);
    const auto& ray2 = std::get<Figure::Line>(run.figure.steps[3]);
    const double reach = 28.0 * std::sqrt(0.5);
    expectPoint(ray1.from, 0.0, -20.0);
    expectPoint(ray1.to, -28.0, -20.0);
    expectPoint(ray2.from, -20.0, -30.0);
    expectPoint(ray2.to, -20.0 + reach, -30.0 + reach);
    EXPECT_EQ(ray1.colour, kGeometryColour);
    EXPECT_EQ(ray2.colour, kGeometryColour);
    EXPECT_EQ(run.zoomEnabled, std::optional<bool>(false));
}

TEST(ArcTangentReviewFigure, ZoomInTheXYPlane) {
    // y = x and y = 10 - x, R 2, corner 1: the centre at 5, 7.828; five radii across.
    const ArcTangentRun run = runArcTangent(lines("0", "0", "45", "10", "0", "135", "2", Plane::XY, 1, true));
    ASSERT_FALSE(run.figure.failure);
    const UserScale zoomed = std::get<Figure::Scale>(run.figure.steps.at(5)).scale;
    const float height = static_cast<float>(10.0 * 4875.0 / 8835.0);
    const double centreY = 5.0 + 2.0 * std::sqrt(2.0);
    EXPECT_FLOAT_EQ(zoomed.width, 10.0f);
    EXPECT_FLOAT_EQ(zoomed.height, height);
    EXPECT_NEAR(zoomed.left, 0.0f, 1e-5);
    EXPECT_FLOAT_EQ(zoomed.top, static_cast<float>(-centreY - static_cast<double>(height) / 2.0));
    const auto& circle = std::get<Figure::Circle>(run.figure.steps.at(9));
    expectPoint(circle.centre, 5.0, -centreY);
    EXPECT_EQ(circle.radius, 2.0);
    // Markers in fractions of the zoomed width.
    EXPECT_NEAR(std::get<Figure::Circle>(run.figure.steps.at(10)).radius, 0.01, 1e-9);
    const auto& arm = std::get<Figure::Line>(run.figure.steps.at(11));
    EXPECT_NEAR(arm.to.x() - arm.from.x(), 2.0 * 0.06, 1e-9);
}

TEST(ArcTangentReviewFailure, AfterTheRaysTheTextStandsAtTheTopLeftOfThePicture) {
    // The radius is too large to square: the run fails after the two rays, whose far end
    // lies off the picture, so the text moves to the picture's top left corner.
    const ArcTangentRun run = runArcTangent(lines("100", "0", "0", "0", "-50", "90", "1e300", Plane::XZ, 1));
    ASSERT_TRUE(run.figure.failure);
    RecordingSurface surface;
    drawFigure(run.figure, surface, kMarkerColour);
    const auto shown = surface.shown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2].kind, RecordingSurface::Drawn::Text);
    EXPECT_EQ(shown[2].text, QStringLiteral("交点が求まりません!!"));
    EXPECT_EQ(shown[2].colour, kMarkerColour);
    EXPECT_EQ(shown[2].from, QPointF(surface.scale().left, surface.scale().top));
    EXPECT_FLOAT_EQ(surface.scale().top, -60.0f);
    EXPECT_EQ(surface.foreColor(), kMarkerColour);
}

TEST(ArcTangentReviewFailure, TheCrossingXIsWrittenBeforeItsZFails) {
    // Line 1 lies on the axis, line 2 starts at an enormous diameter at 45 degrees: X is 0,
    // but Z lies beyond what a box can hold, so only the X box is reached.
    const ArcTangentRun run = runArcTangent(lines("0", "0", "0", "1e306", "0", "45", "1", Plane::XZ, 1));
    EXPECT_TRUE(run.figure.failure);
    EXPECT_EQ(run.crossingX, std::optional<QString>(QStringLiteral("0")));
    EXPECT_FALSE(run.crossingZ);
    EXPECT_FALSE(run.arc);
    EXPECT_FALSE(run.zoomEnabled);
}

TEST(ArcTangentReviewReadout, ZeroAndTheSmallestCut) {
    EXPECT_EQ(readoutText(0.0f, 0.0f, Plane::XZ).toStdString(), "X 0  Z 0 ");
    EXPECT_EQ(readoutText(0.0f, 0.0f, Plane::XY).toStdString(), "X 0  Y 0 ");
    EXPECT_EQ(readoutText(-0.0004f, 0.0002f, Plane::XZ).toStdString(), "X-.001  Z-.001 ");
    EXPECT_EQ(readoutText(-0.0004f, 0.0002f, Plane::XY).toStdString(), "X-.001  Y-.001 ");
}

}  // namespace
