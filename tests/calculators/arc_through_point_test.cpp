#include "calculators/arc_through_point.h"

#include "calculator_cases.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

// The 30-degree line through the origin, the end point X 40, Z 50 and R 10.
const CalculatorInput kBase{
    {{"Text1", "0"}, {"Text2", "0"}, {"Text3", "30"}, {"Text4", "40"}, {"Text5", "50"}, {"Text8", "10"}}};
const Boxes kBaseWrites = {{"Text6", "26.253"},  {"Text7", "42.736"}, {"Text9", "43.574"},
                           {"Text10", "37.736"}, {"Text11", "-8.661"}, {"Text12", "5"}};

const Case kCases[] = {
    {"baseExample", {}, {}},
    {"otherArc",
     {},
     {{"Text6", "45.707"}, {"Text7", "59.584"}, {"Text9", "63.028"}, {"Text10", "54.584"}},
     Plane::XZ, 2},
    {"leadingNumbers", {{"Text1", "0.0mm"}, {"Text2", "x"}}, {}},
    {"levelLineArcBefore",
     {{"Text3", "0"}, {"Text4", "20"}},
     {{"Text6", "20"}, {"Text7", "40"}, {"Text9", "0"}, {"Text10", "40"}, {"Text11", "10"}, {"Text12", "0"}}},
    {"levelLineArcAfter",
     {{"Text3", "0"}, {"Text4", "20"}},
     {{"Text6", "20"}, {"Text7", "60"}, {"Text9", "0"}, {"Text10", "60"}, {"Text11", "10"}, {"Text12", "0"}},
     Plane::XZ, 2},
    // An end point on the line starts the arc there, R from it square to the line.
    {"endOnTheLine",
     {{"Text3", "0"}, {"Text4", "0"}},
     {{"Text6", "20"}, {"Text7", "50"}, {"Text9", "0"}, {"Text10", "50"}, {"Text11", "10"}, {"Text12", "0"}}},
    {"endOnTheLineOtherArc",
     {{"Text3", "0"}, {"Text4", "0"}},
     {{"Text6", "20"}, {"Text7", "50"}, {"Text9", "0"}, {"Text10", "50"}, {"Text11", "10"}, {"Text12", "0"}},
     Plane::XZ, 2},
    // Exactly 2R from the line: the one circle, touching the line below the end point.
    {"twoRadiiFromTheLine",
     {{"Text3", "0"}},
     {{"Text6", "20"}, {"Text7", "50"}, {"Text9", "0"}, {"Text10", "50"}, {"Text11", "10"}, {"Text12", "0"}}},
    {"twoRadiiFromTheLineOtherArc",
     {{"Text3", "0"}},
     {{"Text6", "20"}, {"Text7", "50"}, {"Text9", "0"}, {"Text10", "50"}, {"Text11", "10"}, {"Text12", "0"}},
     Plane::XZ, 2},
    {"justInsideTwoRadii",
     {{"Text3", "0"}, {"Text4", "39.998"}},
     {{"Text6", "20"}, {"Text7", "49.858"}, {"Text9", "0"}, {"Text10", "49.858"}, {"Text11", "10"}, {"Text12", "0"}}},
    // The end point below a rising line: the arc touches the given line, not its mirror.
    {"endBelowTheLine",
     {{"Text1", "40"}, {"Text4", "0"}, {"Text8", "30"}},
     {{"Text6", "-6.014"}, {"Text7", "20.151"}, {"Text9", "45.948"}, {"Text10", "5.151"}, {"Text11", "-25.981"},
      {"Text12", "15"}}},
    {"endBelowTheLineOtherArc",
     {{"Text1", "40"}, {"Text4", "0"}, {"Text8", "30"}},
     {{"Text6", "48.693"}, {"Text7", "67.528"}, {"Text9", "100.654"}, {"Text10", "52.528"}, {"Text11", "-25.981"},
      {"Text12", "15"}},
     Plane::XZ, 2},
    {"xyPlane",
     {{"Text4", "50"}, {"Text5", "20"}},
     {{"Text6", "42.736"}, {"Text7", "13.126"}, {"Text9", "37.736"}, {"Text10", "21.787"}, {"Text11", "5"},
      {"Text12", "-8.661"}},
     Plane::XY},
};

class ArcThroughPointCases : public ::testing::TestWithParam<Case> {};

TEST_P(ArcThroughPointCases, WritesEveryResultBoxInOrder) {
    const Case& c = GetParam();
    const CalculatorRun run = runArcThroughPoint(inputFor(kBase, c));
    ASSERT_FALSE(run.figure.failure) << *run.figure.failure;
    EXPECT_EQ(writesOf(run), expectedWrites(kBaseWrites, c.expected));
}

INSTANTIATE_TEST_SUITE_P(Examples, ArcThroughPointCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return nameOf(info.param.name); });

TEST(ArcThroughPoint, TheArcTouchesTheLineAndPassesTheEndPoint) {
    // Lines rising and falling, end points on either side, both arcs.
    const char* angles[] = {"30", "-30", "150", "60", "-75", "0"};
    const std::pair<const char*, const char*> ends[] = {{"40", "50"}, {"-20", "30"}, {"10", "-40"}, {"-30", "-10"}};
    for (const char* a : angles)
        for (const auto& [ex, ez] : ends)
            for (int option : {1, 2}) {
                CalculatorInput in = withBoxes(
                    kBase, {{"Text1", "10"}, {"Text3", a}, {"Text4", ex}, {"Text5", ez}, {"Text8", "25"}});
                in.option = option;
                const CalculatorRun run = runArcThroughPoint(in);
                if (run.figure.failure)
                    continue;  // farther than 2R from the line
                const double cz = run.written("Text7")->toDouble();
                const double cx = run.written("Text6")->toDouble() / 2.0;
                const double tz = run.written("Text10")->toDouble();
                const double tx = run.written("Text9")->toDouble() / 2.0;
                const double theta = QString::fromLatin1(a).toDouble() * 3.14159265358979 / 180.0;
                const std::string where = std::string(a) + " " + ex + " " + ez + " " + std::to_string(option);
                EXPECT_NEAR(std::hypot(QString::fromLatin1(ex).toDouble() / 2.0 - cx,
                                       QString::fromLatin1(ez).toDouble() - cz), 25.0, 0.003) << where;
                // The start point on the line through X 10, Z 0, and R from the centre.
                EXPECT_NEAR(tz * std::sin(theta) - (tx - 5.0) * std::cos(theta), 0.0, 0.003) << where;
                EXPECT_NEAR(std::hypot(tx - cx, tz - cz), 25.0, 0.003) << where;
            }
}

TEST(ArcThroughPoint, AnglesAreBroughtWithinAQuarterTurnEitherWay) {
    const std::pair<double, double> rows[] = {{400, 40},      {-300, 60},      {90, 89.9999}, {-90, 89.9999},
                                              {270, 89.9999}, {135, -45},      {-180, 0},     {45, 45},
                                              {-89.5, -89.5}, {-270, 89.9999}};
    for (const auto& [typed, used] : rows)
        EXPECT_EQ(lineAngleDegrees(typed), used) << typed;
    EXPECT_FALSE(std::signbit(lineAngleDegrees(-180)));
    auto run = [](const char* a) { return runArcThroughPoint(withBoxes(kBase, {{"Text3", a}})); };
    EXPECT_EQ(figureOf(run("220").figure), figureOf(run("40").figure));
    EXPECT_EQ(writesOf(run("220")), writesOf(run("40")));
}

TEST(ArcThroughPoint, StagesThatStopEarly) {
    for (const char* box : {"Text1", "Text2", "Text3"}) {
        const CalculatorRun run = runArcThroughPoint(withBoxes(kBase, {{box, ""}}));
        EXPECT_TRUE(run.figure.steps.empty() && run.writes.empty() && !run.figure.failure) << box;
    }
    for (const char* box : {"Text4", "Text5", "Text8"}) {
        const CalculatorRun run = runArcThroughPoint(withBoxes(kBase, {{box, ""}, {"Text3", "135"}}));
        EXPECT_TRUE(run.writes.empty());
        ASSERT_EQ(run.figure.steps.size(), 3u) << box;
        EXPECT_EQ(stepAt<Figure::Scale>(run.figure, 1).scale, defaultCalculatorScale());
        // 135 degrees is drawn as -45.
        expectNear(stepAt<Figure::Line>(run.figure, 2).from, 7071.068, 7071.068, 0.01);
    }
}

TEST(ArcThroughPoint, Figure) {
    const CalculatorRun run = runArcThroughPoint(withBoxes(kBase, {{"Text3", "0"}, {"Text4", "20"}}));
    const Figure& f = run.figure;
    ASSERT_EQ(f.steps.size(), 11u);
    // Across: line point 0, end point + R = 60, start 40; up: 0, 10 + 10, 0. Wide.
    const UserScale scale = stepAt<Figure::Scale>(f, 1).scale;
    EXPECT_FLOAT_EQ(scale.width, 72.0f);
    EXPECT_FLOAT_EQ(scale.height, static_cast<float>(60.0 * 4875.0 / 8835.0 * 1.2));
    EXPECT_FLOAT_EQ(scale.left, -6.0f);
    EXPECT_FLOAT_EQ(scale.top, -26.0f);
    const auto& toLinePoint = stepAt<Figure::Line>(f, 2);
    expectNear(toLinePoint.from, 40.0, 0.0, 1e-9);
    expectNear(toLinePoint.to, 0.0, 0.0);
    expectNear(stepAt<Figure::Circle>(f, 3).centre, 40.0, -10.0, 1e-9);
    EXPECT_EQ(stepAt<Figure::Circle>(f, 3).radius, 10.0);
    const double radii[] = {0.001, 0.001, 0.0015, 0.001, 0.001, 0.0015};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_NEAR(stepAt<Figure::Circle>(f, 4 + i).radius, radii[i] * 72.0, 1e-9);
        EXPECT_EQ(stepAt<Figure::Circle>(f, 4 + i).colour, kMarkerColour);
    }
    expectNear(stepAt<Figure::Circle>(f, 5).centre, 50.0, -10.0);
    // From the end point 100 along Z, toward the centre's side of the line point.
    const auto& guide = stepAt<Figure::Line>(f, 10);
    expectNear(guide.from, 50.0, -10.0);
    expectNear(guide.to, 150.0, -10.0);
}

const FailureCase kFailures[] = {
    {"fartherThanTwoRadii", {{"Text3", "0"}, {"Text4", "40.002"}}, 0, 1},
    {"zeroRadius", {{"Text8", "0"}}, 0, 1},
    {"zeroRadiusEndOnTheLine", {{"Text3", "0"}, {"Text4", "0"}, {"Text8", "0"}}, 0, 1},
    {"negativeRadius", {{"Text8", "-10"}}, 0, 1},
    {"blankRadius", {{"Text8", " "}}, 0, 1},
    {"endTooLarge", {{"Text5", "1E999"}}, 0, 1},
    {"lineTooLarge", {{"Text2", "1E999"}}, 0, 0},
    {"centreTooLargeToWrite", {{"Text1", "4E15"}, {"Text3", "0"}, {"Text4", "4E15"}}, 0, 1},
};

class ArcThroughPointFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ArcThroughPointFailures, EndInTheFailureText) {
    const FailureCase& c = GetParam();
    const CalculatorRun run = runArcThroughPoint(inputFor(kBase, c));
    EXPECT_TRUE(run.figure.failure);
    EXPECT_EQ(run.writes.size(), c.writes);
    EXPECT_EQ(run.figure.steps.size(), c.steps);
}

INSTANTIATE_TEST_SUITE_P(Faults, ArcThroughPointFailures, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return nameOf(info.param.name); });

}  // namespace
