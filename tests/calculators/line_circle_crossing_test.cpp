#include "calculators/line_circle_crossing.h"

#include "calculator_cases.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

// The 30-degree line through the origin and the circle about Z 10, X 20 (radius 10) of
// radius 5: both crossings lie toward larger Z.
const CalculatorInput kBase{
    {{"Text1", "0"}, {"Text2", "0"}, {"Text3", "30"}, {"Text4", "20"}, {"Text5", "10"}, {"Text6", "5"}}};
const Boxes kBaseWrites = {{"Text9", "4.873"},   {"Text13", "1.466"}, {"Text7", "10.254"}, {"Text8", "8.88"},
                           {"Text10", "1.119"},  {"Text11", "17.066"}, {"Text12", "14.78"}, {"Text14", "-4.78"}};

const Case kCases[] = {
    {"baseExample", {}, {}},
    // A centre at smaller Z answers for the 150-degree line through the line point.
    {"centreAtSmallerZ",
     {{"Text2", "20"}},
     {{"Text8", "11.119"}, {"Text10", "-1.12"}, {"Text12", "5.22"}, {"Text14", "4.78"}}},
    {"leadingNumbers", {{"Text1", "0mm"}, {"Text2", "abc"}, {"Text4", "20.0x"}}, {}},
    // The centre at the line point's Z, below it: the crossings of the same 150-degree line.
    {"centreAtTheLinePointsZ",
     {{"Text2", "10"}, {"Text4", "-10"}, {"Text5", "10"}},
     {{"Text9", "-2.5"}, {"Text13", "-5"}, {"Text7", "-5"}, {"Text8", "14.33"}, {"Text10", "-4.331"}, {"Text11", "0"},
      {"Text12", "10"}, {"Text14", "0"}}},
    // X-Y: the crossings of the line itself, whichever quadrant the centre lies in.
    {"xyCentreDownLeft",
     {{"Text4", "-20"}, {"Text5", "-10"}},
     {{"Text9", "3.502"}, {"Text13", "-4.842"}, {"Text7", "-23.502"}, {"Text8", "-13.569"}, {"Text10", "3.568"},
      {"Text11", "-15.159"}, {"Text12", "-8.752"}, {"Text14", "-1.249"}},
     Plane::XY},
    // y = x·tan 30 meets the circle about 10, 5.774 of radius 5 at 10 ± 4.330, 5.774 ± 2.5.
    {"xyCentreOnTheLine",
     {{"Text4", "10"}, {"Text5", "5.7735026919"}},
     {{"Text9", "4.33"}, {"Text13", "-4.331"}, {"Text7", "5.669"}, {"Text8", "3.273"}, {"Text10", "2.5"},
      {"Text11", "14.33"}, {"Text12", "8.273"}, {"Text14", "-2.5"}},
     Plane::XY},
};

class LineCircleCases : public ::testing::TestWithParam<Case> {};

TEST_P(LineCircleCases, WritesEveryResultBoxInOrder) {
    const Case& c = GetParam();
    const CalculatorRun run = runLineCircleCrossing(inputFor(kBase, c));
    ASSERT_FALSE(run.figure.failure) << *run.figure.failure;
    EXPECT_EQ(writesOf(run), expectedWrites(kBaseWrites, c.expected));
}

INSTANTIATE_TEST_SUITE_P(Examples, LineCircleCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return nameOf(info.param.name); });

TEST(LineCircleCrossing, CrossingsLieOnTheLineAndTheCircle) {
    // Every quadrant of the X-Y plane and both sides in Z: points on the circle, on the
    // line through the line point (at A, or at 180 - A toward a centre at smaller Z).
    struct Row {
        double x1, s1, a, xc, sc;
        Plane plane;
    };
    const Row rows[] = {{0, 0, 30, 20, 10, Plane::XY},  {0, 0, 30, -20, -10, Plane::XY}, {0, 0, 150, -8, 4, Plane::XY},
                        {5, 5, -40, 9, -1, Plane::XY},  {0, 0, 30, 20, 10, Plane::XZ},   {0, 20, 30, 20, 10, Plane::XZ},
                        {30, 0, 200, 4, -8, Plane::XY}, {0, 0, 90, 3, 4, Plane::XY}};
    for (const Row& row : rows) {
        CalculatorInput in{{{"Text1", QString::number(row.x1)}, {"Text2", QString::number(row.s1)},
                            {"Text3", QString::number(row.a)},  {"Text4", QString::number(row.xc)},
                            {"Text5", QString::number(row.sc)}, {"Text6", "5"}},
                           row.plane};
        const CalculatorRun run = runLineCircleCrossing(in);
        ASSERT_FALSE(run.figure.failure) << row.xc << " " << row.sc;
        const double k = row.plane == Plane::XZ ? 2.0 : 1.0;
        double a = row.a * 3.14159265358979 / 180.0;
        if (row.plane == Plane::XZ && row.sc < row.s1)
            a = 3.14159265358979 - a;
        for (const auto& [xBox, sBox] : {std::pair{"Text7", "Text8"}, std::pair{"Text11", "Text12"}}) {
            const double px = run.written(xBox)->toDouble();
            const double ps = run.written(sBox)->toDouble();
            const double dx = (px - row.xc) / k;
            EXPECT_NEAR(std::hypot(dx, ps - row.sc), 5.0, 0.003) << xBox;
            // Across the line: the distance of the point from it.
            const double h = row.plane == Plane::XZ ? ps - row.s1 : px - row.x1;
            const double v = row.plane == Plane::XZ ? (px - row.x1) / 2.0 : ps - row.s1;
            EXPECT_NEAR(h * std::sin(a) - v * std::cos(a), 0.0, 0.003) << row.xc << " " << row.sc << " " << xBox;
        }
    }
}

TEST(LineCircleCrossing, AnAngleAboveAHalfTurnIsTakenBelowIt) {
    auto run = [](const char* a) { return runLineCircleCrossing(withBoxes(kBase, {{"Text3", a}})); };
    auto lineAlone = [](const char* a) {
        return runLineCircleCrossing(withBoxes(kBase, {{"Text3", a}, {"Text6", ""}}));
    };
    EXPECT_EQ(figureOf(run("190").figure), figureOf(run("-170").figure));
    EXPECT_EQ(writesOf(run("190")), writesOf(run("-170")));
    // Only once, and never upward: -200 stays as typed, whose converted angle differs
    // from 160's in the last bits.
    EXPECT_NE(figureOf(lineAlone("-200").figure), figureOf(lineAlone("160").figure));
    EXPECT_EQ(figureOf(lineAlone("190").figure), figureOf(lineAlone("-170").figure));
}

TEST(LineCircleCrossing, StagesThatStopEarly) {
    for (const char* box : {"Text1", "Text2", "Text3"}) {
        const CalculatorRun run = runLineCircleCrossing(withBoxes(kBase, {{box, ""}}));
        EXPECT_TRUE(run.figure.steps.empty() && run.writes.empty() && !run.figure.failure) << box;
    }
    for (const char* box : {"Text4", "Text5", "Text6"}) {
        const CalculatorRun run = runLineCircleCrossing(withBoxes(kBase, {{box, ""}, {"Text1", "55"}}));
        EXPECT_TRUE(run.writes.empty());
        ASSERT_EQ(run.figure.steps.size(), 3u) << box;
        EXPECT_EQ(stepAt<Figure::Scale>(run.figure, 1).scale, defaultCalculatorScale());
        // Through the middle of the picture at 30 degrees, whatever the line point.
        const auto& line = stepAt<Figure::Line>(run.figure, 2);
        expectNear(line.from, 8660.254, -5000.0, 0.01);
        expectNear(line.to, -8660.254, 5000.0, 0.01);
        EXPECT_EQ(line.colour, kGeometryColour);
    }
}

TEST(LineCircleCrossing, Figure) {
    const CalculatorRun run = runLineCircleCrossing(kBase);
    const Figure& f = run.figure;
    ASSERT_EQ(f.steps.size(), 10u);
    // Line point 0, 0 and the circle's box 5..15 across and up: square, so fitted by height.
    const UserScale scale = stepAt<Figure::Scale>(f, 1).scale;
    const float width = static_cast<float>(15.0 * 8835.0 / 4875.0 * 1.2);
    EXPECT_FLOAT_EQ(scale.width, width);
    EXPECT_FLOAT_EQ(scale.height, 18.0f);
    EXPECT_FLOAT_EQ(scale.top, -16.5f);
    EXPECT_FLOAT_EQ(scale.left, static_cast<float>(0.0 - (width - 15.0) / 2.0));
    EXPECT_EQ(stepAt<Figure::TextColour>(f, 2).colour, kLabelColour);
    // The guide runs from the line point one scale width up to the right, at 30 degrees.
    const auto& guide = stepAt<Figure::Line>(f, 3);
    expectNear(guide.from, 0.0, 0.0);
    expectNear(guide.to, width * std::cos(gPi / 6.0), -width * std::sin(gPi / 6.0), 1e-4);
    const auto& circle = stepAt<Figure::Circle>(f, 4);
    expectNear(circle.centre, 10.0, -10.0);
    EXPECT_EQ(circle.radius, 5.0);
    for (std::size_t i = 5; i <= 7; ++i) {
        EXPECT_EQ(stepAt<Figure::Circle>(f, i).colour, kMarkerColour);
        EXPECT_NEAR(stepAt<Figure::Circle>(f, i).radius, 0.001 * width, 1e-6);
    }
    // Crossing 1 at Z 8.88, X 10.254; crossing 2 at Z 14.78, X 17.066.
    expectNear(stepAt<Figure::Circle>(f, 5).centre, 8.8801, -5.1271, 1e-3);
    EXPECT_EQ(stepAt<Figure::Text>(f, 8).text, QStringLiteral("1"));
    expectNear(stepAt<Figure::Text>(f, 9).at, 14.7804, -8.5334, 1e-3);
    EXPECT_EQ(stepAt<Figure::Text>(f, 9).text, QStringLiteral("2"));
}

TEST(LineCircleCrossing, GuideRunsAlongTheLineInTheXYPlane) {
    // A falling line: crossing 2 lies right and below the line point, so does the guide.
    CalculatorInput in = withBoxes(kBase, {{"Text3", "-30"}, {"Text4", "20"}, {"Text5", "-10"}});
    in.plane = Plane::XY;
    const CalculatorRun run = runLineCircleCrossing(in);
    ASSERT_FALSE(run.figure.failure);
    const QPointF end = stepAt<Figure::Line>(run.figure, 3).to;
    EXPECT_GT(end.x(), 0.0);
    EXPECT_NEAR(end.y() / end.x(), std::tan(gPi / 6.0), 1e-9);  // drawn downward
}

const FailureCase kFailures[] = {
    {"missesTheCircle", {{"Text4", "20"}, {"Text5", "-10"}}, 0, 1, Plane::XY},
    {"touchesTheCircle", {{"Text3", "0"}, {"Text4", "10"}, {"Text5", "0"}}, 0, 1},
    {"zeroRadius", {{"Text6", "0"}}, 0, 1},
    {"blankRadius", {{"Text6", " "}}, 0, 1},
    {"centreTooLarge", {{"Text4", "1E999"}}, 0, 1},
    {"angleTooLarge", {{"Text3", "1E999"}}, 0, 0},
    // The offsets are written, the first point is too large to write in thousandths.
    {"pointTooLargeToWrite", {{"Text3", "0"}, {"Text4", "2E15"}, {"Text5", "0"}}, 2, 1, Plane::XY},
};

class LineCircleFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(LineCircleFailures, EndInTheFailureText) {
    const FailureCase& c = GetParam();
    const CalculatorRun run = runLineCircleCrossing(inputFor(kBase, c));
    EXPECT_TRUE(run.figure.failure);
    EXPECT_EQ(run.writes.size(), c.writes);
    EXPECT_EQ(run.figure.steps.size(), c.steps);
}

INSTANTIATE_TEST_SUITE_P(Faults, LineCircleFailures, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return nameOf(info.param.name); });

}  // namespace
