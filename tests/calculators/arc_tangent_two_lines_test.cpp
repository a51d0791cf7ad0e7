#include "calculators/arc_tangent_two_lines.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>
#include <tuple>
#include <variant>

#include "calculators/figure.h"

using namespace quillmar;

namespace {

ArcTangentInput lines(const char* x1, const char* z1, const char* a1, const char* x2, const char* z2, const char* a2,
                      const char* r, Plane plane = Plane::XZ, int corner = 1, bool zoom = false) {
    return {x1, z1, a1, x2, z2, a2, r, plane, corner, zoom};
}

// The square example: line 1 along Z at diameter 100, line 2 square to it at Z -50, R 10.
ArcTangentInput square(int corner = 2, bool zoom = false) {
    return lines("100", "0", "0", "0", "-50", "90", "10", Plane::XZ, corner, zoom);
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

// A row: the boxes the run writes, the steps it draws and whether it ends in the failure text.
struct ArcCase { const char* name; ArcTangentInput input; const char* expected; std::size_t steps; bool failed = false; };

void PrintTo(const ArcCase& c, std::ostream* os) { *os << c.name; }

// X-Z: a bore at diameter 40 running toward -Z meets a 45-degree taper from X 60, Z -20
// at X 40, Z -10; R 5. The I of a radius 5 x sin 45 offset shows the ten-thousandth lift
// cutting -3.5355 to -3.536 but 3.5356 to 3.535.
// X-Y: y = x·tan 30 and the line from 20, 0 at 120 degrees cross square at 15, 8.66; R 3.
ArcTangentInput boreTaper(int corner) { return lines("40", "0", "180", "60", "-20", "135", "5", Plane::XZ, corner); }
// X-Z: a line at -135 degrees and one square to Z cross at X 20, Z 10; the angles typed
// lie 225 degrees apart.
ArcTangentInput wideCorner(int corner) { return lines("0", "0", "-135", "0", "10", "90", "1", Plane::XZ, corner); }

const ArcCase kArcCases[] = {
    {"xzCorner1", boreTaper(1), "40 -10 50 -22.071 40 -22.071 5 0 57.071 -18.536 -3.536 -3.536", 13},
    {"xzCorner2", boreTaper(2), "40 -10 30 2.071 40 2.071 -5 0 22.929 -1.465 3.535 3.535", 13},
    // Given the other way round, a corner keeps its centre; the tangent points change places.
    {"xzSwapped4", lines("60", "-20", "135", "40", "0", "180", "5", Plane::XZ, 4),
     "40 -10 50 -7.929 42.929 -11.465 3.535 3.535 40 -7.929 5 0", 13},
    {"xyCorner3", lines("0", "0", "30", "20", "0", "120", "3", Plane::XY, 3),
     "15 8.66 10.902 9.758 12.402 7.16 -1.5 2.598 13.5 11.258 -2.598 -1.5", 13},
    // X is a diameter: the crossing lies at X 10 and I is halved back to a radius.
    {"xzDiameter", lines("0", "0", "45", "0", "10", "135", "2", Plane::XZ, 1),
     "10 5 15.656 5 12.828 6.414 1.414 -1.415 12.828 3.585 1.414 1.414", 13},
    // Angles more than a half turn apart: the tangent points of corners 3 and 4 still lie
    // on the arc, on the same side of the crossing as its centre.
    {"xyWideAngles", lines("0", "0", "-20", "10", "5", "200", "1.5", Plane::XY, 3),
     "-1.869 0.68 -6.255 0.68 -5.742 2.089 -0.513 -1.41 -5.742 -0.73 -0.513 1.409", 13},
    {"xzWideCorner3", wideCorner(3), "20 10 24.828 11 23.414 11.707 0.707 -0.708 24.828 10 0 1", 13},
    {"xzWideCorner4", wideCorner(4), "20 10 15.171 9 16.585 8.292 -0.708 0.707 15.171 10 0 -1", 13},
    {"xyNearlyParallelWide", lines("0", "0", "-177", "0", "4", "8", "0.2", Plane::XY, 3),
     "-45.386 -2.379 -40.822 -1.94 -40.812 -2.139 -0.011 0.199 -40.85 -1.741 0.027 -0.198", 13},
    // Angles less than a half turn apart keep the tangent length's sign, that of a
    // negative radius too.
    {"negativeRadius", lines("40", "0", "180", "60", "-20", "135", "-5", Plane::XZ, 3),
     "40 -10 30 -12.071 40 -7.929 -5 -4.143 42.929 -11.465 -6.465 -0.607", 13},
    // Without a radius: the crossing and the two rays, and no zoom.
    {"emptyRadius", lines("100", "0", "0", "0", "-50", "90", ""), "100 -50", 4},
    {"equalAngles", lines("100", "0", "30", "0", "-50", "30", "10"), "- -", 1, true},
    {"startPointsOnTheCrossing", lines("10", "5", "30", "10", "5", "60", "10"), "10 5", 1, true},
    {"zeroRadiusZoomed", lines("100", "0", "0", "0", "-50", "90", "0", Plane::XZ, 1, true),
     "100 -50 100 -50 100 -50 0 0 100 -50 0 0", 5, true},
    {"hugeRadius", lines("100", "0", "0", "0", "-50", "90", "1e300"), "100 -50", 4, true},
    {"numberTooLargeInLineOne", lines("1e999", "0", "0", "0", "-50", "90", "10"), "- -", 0, true},
    // X is 0 but Z lies beyond what a box can hold: only the X box is reached.
    {"crossingZTooLarge", lines("0", "0", "0", "1e306", "0", "45", "1"), "0 -", 1, true},
};

class ArcTangent : public ::testing::TestWithParam<ArcCase> {};

TEST_P(ArcTangent, WritesEveryBoxItReaches) {
    const ArcCase& c = GetParam();
    const ArcTangentRun run = runArcTangent(c.input);
    EXPECT_EQ(boxes(run).toStdString(), c.expected);
    EXPECT_EQ(run.figure.steps.size(), c.steps);
    EXPECT_EQ(run.figure.failure.has_value(), c.failed);
    if (!c.failed) {  // zoom is offered exactly when there is an arc to zoom on
        EXPECT_EQ(run.zoomEnabled, std::optional<bool>(run.arc.has_value()));
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, ArcTangent, ::testing::ValuesIn(kArcCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ArcTangentStages, AnEmptyBoxOfLineOneDoesNothingButBlanksCount) {
    for (int empty = 0; empty < 3; ++empty) {
        ArcTangentInput in = square();
        QString* line1[] = {&in.x1, &in.z1, &in.a1};
        line1[empty]->clear();
        const ArcTangentRun run = runArcTangent(in);
        EXPECT_TRUE(run.figure.steps.empty());
        EXPECT_FALSE(run.figure.failure || run.crossingX || run.arc || run.zoomEnabled);
    }
    EXPECT_EQ(runArcTangent(lines(" ", " ", "30", "", "", "", "")).figure.steps.size(), 3u);
}

// Whatever the corner, the plane and however far apart the angles are typed (short of a
// whole turn), each tangent point lies on the arc: its written coordinates, and its I and
// K, are R from the written centre to within the thousandths they are cut to.
TEST(ArcTangentGeometry, EveryTangentPointLiesOnTheArc) {
    const std::pair<const char*, const char*> angles[] = {{"30", "120"}, {"-20", "200"}, {"-135", "90"},
                                                         {"-177", "8"},  {"10", "350"},  {"200", "-60"}};
    const double r = 1.5;
    for (const Plane plane : {Plane::XZ, Plane::XY})
        for (const auto& [a1, a2] : angles)
            for (int corner = 1; corner <= 4; ++corner) {
                const ArcTangentRun run = runArcTangent(lines("0", "0", a1, "6", "10", a2, "1.5", plane, corner));
                SCOPED_TRACE(std::string(a1) + " " + a2 + " corner " + std::to_string(corner));
                ASSERT_TRUE(run.arc && !run.figure.failure);
                const ArcTangentTexts& t = *run.arc;
                const double across = plane == Plane::XZ ? 2.0 : 1.0;  // X is a diameter
                auto n = [](const QString& text) { return text.toDouble(); };
                for (const auto& [x, z, i, k] : {std::tuple{t.tangent1X, t.tangent1Z, t.tangent1I, t.tangent1K},
                                                 std::tuple{t.tangent2X, t.tangent2Z, t.tangent2I, t.tangent2K}}) {
                    EXPECT_NEAR(std::hypot((n(t.centreX) - n(x)) / across, n(t.centreZ) - n(z)), r, 0.002);
                    EXPECT_NEAR(std::hypot(n(i), n(k)), r, 0.002);
                }
            }
}

const Figure::Line& lineAt(const Figure& f, std::size_t i) { return std::get<Figure::Line>(f.steps.at(i)); }

TEST(ArcTangentFigure, TheScaleFitsTheStartPointsAndTheCrossingAtThePictureAspect) {
    // (H, V) = (Z, X/2): start points (0, 20) and (-20, 30), crossing (-10, 20); w = 20 and
    // h = 10, wider than the picture: width 28, margin 4, left -20 - (28 - 20) / 2.
    const ArcTangentRun wide = runArcTangent(lines("40", "0", "180", "60", "-20", "135", "", Plane::XZ, 1));
    EXPECT_EQ(std::get<Figure::Scale>(wide.figure.steps[1]).scale,
              (UserScale{-24.0f, -34.0f, 28.0f, static_cast<float>(1.4 * 20.0 * 4875.0 / 8835.0)}));
    // Points (0, 50), (-50, 0), crossing (-50, 50): w = h = 50, taller than the picture.
    const UserScale tall = std::get<Figure::Scale>(runArcTangent(square()).figure.steps.at(1)).scale;
    const float width = static_cast<float>(1.4 * 50.0 * 8835.0 / 4875.0);
    EXPECT_EQ(tall, (UserScale{static_cast<float>(-50.0 - (width - 50.0) / 2.0), -60.0f, width, 70.0f}));
}

TEST(ArcTangentFigure, ZoomCentresFiveRadiiOnTheArcAndKeepsTheRays) {
    const ArcTangentRun plain = runArcTangent(square());
    const Figure f = runArcTangent(square(2, true)).figure;
    ASSERT_FALSE(f.failure);
    EXPECT_EQ(std::get<Figure::Scale>(f.steps.at(5)).scale,
              (UserScale{-85.0f, static_cast<float>(-40.0 - 25.0 * 4875.0 / 8835.0), 50.0f,
                         static_cast<float>(50.0 * 4875.0 / 8835.0)}));
    EXPECT_EQ(lineAt(f, 7).to, lineAt(plain.figure, 3).to);
    EXPECT_EQ(std::get<Figure::Circle>(f.steps.at(9)).radius, 10.0);  // the arc itself
}

}  // namespace
