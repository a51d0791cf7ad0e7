#include "calculators/arc_tangent_two_lines.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>
#include <tuple>
#include <variant>

#include "calculator_cases.h"
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
// The same lines exchanged. The tangent of the program's 90 degrees puts the crossing
// X a few hundred-thousandths below 100: the lift of half a ten-thousandth still shows 100.
ArcTangentInput exchangedSquare(int corner) {
    return lines("0", "-50", "90", "100", "0", "0", "10", Plane::XZ, corner);
}

bool arcWritten(const ArcTangentRun& run) { return run.arc.centreX.has_value(); }

// Text7 Text8, and once the arc is written Text10 Text11 | Text12 Text13 Text16 Text17 |
// Text14 Text15 Text18 Text19 ("-": the box keeps its text)
std::string boxes(const ArcTangentRun& run) {
    const std::string crossing = test::shownTexts(std::array{run.crossingX, run.crossingZ});
    if (!arcWritten(run))
        return crossing;
    const ArcTangentTexts& a = run.arc;
    return crossing + ' ' +
           test::shownTexts(std::array{a.centreX, a.centreZ, a.tangent1X, a.tangent1Z, a.tangent1I, a.tangent1K,
                                       a.tangent2X, a.tangent2Z, a.tangent2I, a.tangent2K});
}

// A row: the boxes the run writes, the steps it draws and whether it ends in the failure text.
struct ArcCase { const char* name; ArcTangentInput input; const char* expected; std::size_t steps; bool failed = false; };

void PrintTo(const ArcCase& c, std::ostream* os) { *os << c.name; }

// X-Z: a bore at diameter 40 running toward -Z meets a 45-degree taper from X 60, Z -20
// at X 40, Z -10; R 5. The I of a radius 5 x sin 45 offset shows the lift of half a
// ten-thousandth: -3.53553 and 3.53553 both show their nearest ten-thousandth.
// X-Y: y = x·tan 30 and the line from 20, 0 at 120 degrees cross square at 15, 8.66; R 3.
ArcTangentInput boreTaper(int corner) { return lines("40", "0", "180", "60", "-20", "135", "5", Plane::XZ, corner); }
// X-Z: a line at -135 degrees and one square to Z cross at X 20, Z 10; the angles typed
// lie 225 degrees apart.
ArcTangentInput wideCorner(int corner) { return lines("0", "0", "-135", "0", "10", "90", "1", Plane::XZ, corner); }

const ArcCase kArcCases[] = {
    {"xzCorner1", boreTaper(1), "40 -10 50 -22.0711 40 -22.0711 5 0 57.0711 -18.5355 -3.5355 -3.5355", 13},
    {"xzCorner2", boreTaper(2), "40 -10 30 2.0711 40 2.0711 -5 0 22.9289 -1.4645 3.5355 3.5355", 13},
    // Given the other way round, a corner keeps its centre; the tangent points change places.
    {"xzSwapped4", lines("60", "-20", "135", "40", "0", "180", "5", Plane::XZ, 4),
     "40 -10 50 -7.9289 42.9289 -11.4645 3.5355 3.5355 40 -7.9289 5 0", 13},
    {"xyCorner3", lines("0", "0", "30", "20", "0", "120", "3", Plane::XY, 3),
     "15 8.6603 10.9019 9.7583 12.4019 7.1603 -1.5 2.5981 13.5 11.2583 -2.5981 -1.5", 13},
    // X is a diameter: the crossing lies at X 10 and I is halved back to a radius.
    {"xzDiameter", lines("0", "0", "45", "0", "10", "135", "2", Plane::XZ, 1),
     "10 5 15.6569 5 12.8284 6.4142 1.4142 -1.4142 12.8284 3.5858 1.4142 1.4142", 13},
    // Angles more than a half turn apart: the tangent points of corners 3 and 4 still lie
    // on the arc, on the same side of the crossing as its centre.
    {"xyWideAngles", lines("0", "0", "-20", "10", "5", "200", "1.5", Plane::XY, 3),
     "-1.8687 0.6801 -6.2544 0.6801 -5.7414 2.0897 -0.513 -1.4095 -5.7414 -0.7294 -0.513 1.4095", 13},
    {"xzWideCorner3", wideCorner(3), "20 10 24.8284 11 23.4142 11.7071 0.7071 -0.7071 24.8284 10 0 1", 13},
    {"xzWideCorner4", wideCorner(4), "20 10 15.1716 9 16.5858 8.2929 -0.7071 0.7071 15.1716 10 0 -1", 13},
    {"xyNearlyParallelWide", lines("0", "0", "-177", "0", "4", "8", "0.2", Plane::XY, 3),
     "-45.3859 -2.3786 -40.8219 -1.9391 -40.8114 -2.1388 -0.0105 0.1997 -40.8497 -1.7411 0.0278 -0.1981", 13},
    // A negative radius gives the arc of its size: the tangent points of R 5 in corner 3.
    {"negativeRadius", lines("40", "0", "180", "60", "-20", "135", "-5", Plane::XZ, 3),
     "40 -10 30 -12.0711 40 -12.0711 -5 0 37.0711 -8.5355 -3.5355 -3.5355", 13},
    {"exchangedSquare1", exchangedSquare(1), "100 -50 120 -40 120 -50 0 10 100 -40 10 0", 13},
    {"exchangedSquare2", exchangedSquare(2), "100 -50 80 -60 80 -50 0 -10 100 -60 -10 0", 13},
    {"exchangedSquare3", exchangedSquare(3), "100 -50 120 -60 120 -50 0 -10 100 -60 10 0", 13},
    {"exchangedSquare4", exchangedSquare(4), "100 -50 80 -40 80 -50 0 10 100 -40 -10 0", 13},
    // Without a radius: the crossing and the two rays, and no zoom.
    {"emptyRadius", lines("100", "0", "0", "0", "-50", "90", ""), "100 -50", 4},
    {"equalAngles", lines("100", "0", "30", "0", "-50", "30", "10"), "- -", 1, true},
    {"startPointsOnTheCrossing", lines("10", "5", "30", "10", "5", "60", "10"), "10 5", 1, true},
    {"zeroRadiusZoomed", lines("100", "0", "0", "0", "-50", "90", "0", Plane::XZ, 1, true),
     "100 -50 100 -50 100 -50 0 0 100 -50 0 0", 5, true},
    {"hugeRadius", lines("100", "0", "0", "0", "-50", "90", "1e300"), "100 -50", 4, true},
    // The boxes are written in turn: tangent point 2's X is the first beyond what a box holds.
    {"writtenUpToTheFailingBox", lines("0", "0", "30", "10", "0", "120", "6E14", Plane::XZ, 3),
     "2.5 2.1651 439230484551784 -819615242183565 -599999999950521 -519615242149772 - -300000000033793 - - - -", 4,
     true},
    {"numberTooLargeInLineOne", lines("1e999", "0", "0", "0", "-50", "90", "10"), "- -", 0, true},
    // X is 0 but Z lies beyond what a box can hold: only the X box is reached.
    {"crossingZTooLarge", lines("0", "0", "0", "1e306", "0", "45", "1"), "0 -", 1, true},
};

class ArcTangent : public ::testing::TestWithParam<ArcCase> {};

TEST_P(ArcTangent, WritesEveryBoxItReaches) {
    const ArcCase& c = GetParam();
    const ArcTangentRun run = runArcTangent(c.input);
    EXPECT_EQ(boxes(run), c.expected);
    EXPECT_EQ(run.figure.steps.size(), c.steps);
    EXPECT_EQ(run.figure.failure.has_value(), c.failed);
    if (!c.failed) {  // zoom is offered exactly when there is an arc to zoom on
        EXPECT_EQ(run.zoomEnabled, std::optional<bool>(arcWritten(run)));
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
        EXPECT_FALSE(run.figure.failure || run.crossingX || arcWritten(run) || run.zoomEnabled);
    }
    EXPECT_EQ(runArcTangent(lines(" ", " ", "30", "", "", "", "")).figure.steps.size(), 3u);
}

// Whatever the corner, the plane, the radius's sign and however far apart the angles are
// typed (short of a whole turn), each tangent point lies on the arc: its written
// coordinates, and its I and K, are |R| from the written centre to within the
// ten-thousandths they are cut to.
TEST(ArcTangentGeometry, EveryTangentPointLiesOnTheArc) {
    const std::pair<const char*, const char*> angles[] = {{"30", "120"}, {"-20", "200"}, {"-135", "90"},
                                                         {"-177", "8"},  {"10", "350"},  {"200", "-60"}};
    const double r = 1.5;
    for (const Plane plane : {Plane::XZ, Plane::XY})
        for (const auto& [a1, a2] : angles)
            for (int corner = 1; corner <= 4; ++corner)
                for (const char* typed : {"1.5", "-1.5"}) {
                    const ArcTangentRun run = runArcTangent(lines("0", "0", a1, "6", "10", a2, typed, plane, corner));
                    SCOPED_TRACE(std::string(a1) + " " + a2 + " corner " + std::to_string(corner) + " R " + typed);
                    ASSERT_TRUE(arcWritten(run) && !run.figure.failure);
                    const ArcTangentTexts& t = run.arc;
                    const double across = plane == Plane::XZ ? 2.0 : 1.0;  // X is a diameter
                    auto n = [](const std::optional<QString>& text) { return text.value().toDouble(); };
                    for (const auto& [x, z, i, k] :
                         {std::tuple{t.tangent1X, t.tangent1Z, t.tangent1I, t.tangent1K},
                          std::tuple{t.tangent2X, t.tangent2Z, t.tangent2I, t.tangent2K}}) {
                        EXPECT_NEAR(std::hypot((n(t.centreX) - n(x)) / across, n(t.centreZ) - n(z)), r, 0.0002);
                        EXPECT_NEAR(std::hypot(n(i), n(k)), r, 0.0002);
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
    // A radius typed negative zooms on the same arc, never mirrored.
    ArcTangentInput negative = square(2, true);
    negative.r = QStringLiteral("-10");
    const Figure n = runArcTangent(negative).figure;
    EXPECT_EQ(std::get<Figure::Scale>(n.steps.at(5)).scale, std::get<Figure::Scale>(f.steps.at(5)).scale);
    EXPECT_EQ(std::get<Figure::Circle>(n.steps.at(9)).radius, 10.0);
}

}  // namespace
