#include "calculators/circle_tangent_point.h"

#include "calculator_cases.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

// The circle about X 100, Z 0 of radius 10 and a tangent at 30 degrees.
const CalculatorInput kBase{{{"Text1", "100"}, {"Text2", "0"}, {"Text3", "10"}, {"Text4", "30"}}};
const Boxes kBaseWrites = {{"Text7", "8.66"}, {"Text8", "-5"}, {"Text5", "82.679"}, {"Text6", "5"}};

// Nothing is added before the cut: the program's pi, a little above pi, shows in the
// last digit where a value lies just below a thousandth.
const Case kCases[] = {
    {"baseExample", {}, {}},
    {"otherSide", {}, {{"Text7", "-8.661"}, {"Text8", "5"}, {"Text5", "117.32"}, {"Text6", "-5"}}, Plane::XZ, 2},
    {"level", {{"Text4", "0"}}, {{"Text7", "10"}, {"Text8", "0"}, {"Text5", "80"}, {"Text6", "0"}}},
    {"levelOtherSide",
     {{"Text4", "0"}},
     {{"Text7", "-10"}, {"Text8", "0"}, {"Text5", "120"}, {"Text6", "0"}},
     Plane::XZ, 2},
    {"upright", {{"Text4", "90"}}, {{"Text7", "-0.001"}, {"Text8", "-10"}, {"Text5", "100"}, {"Text6", "10"}}},
    {"uprightOtherSide", {{"Text4", "90"}}, {{"Text7", "0"}, {"Text8", "10"}, {"Text5", "100"}, {"Text6", "-10"}},
     Plane::XZ, 2},
    {"xyPlane",
     {{"Text1", "50"}, {"Text2", "20"}},
     {{"Text7", "-5"}, {"Text8", "8.66"}, {"Text5", "55"}, {"Text6", "11.339"}},
     Plane::XY},
    {"xyPlaneOtherSide",
     {{"Text1", "50"}, {"Text2", "20"}},
     {{"Text7", "5"}, {"Text8", "-8.661"}, {"Text5", "45"}, {"Text6", "28.66"}},
     Plane::XY, 2},
    {"angleNotReduced", {{"Text4", "390"}}, {{"Text8", "-5.001"}}},
};

class CircleTangentCases : public ::testing::TestWithParam<Case> {};

TEST_P(CircleTangentCases, WritesEveryResultBoxInOrder) {
    const Case& c = GetParam();
    const CalculatorRun run = runCircleTangentPoint(inputFor(kBase, c));
    ASSERT_FALSE(run.figure.failure) << *run.figure.failure;
    EXPECT_EQ(writesOf(run), expectedWrites(kBaseWrites, c.expected));
}

INSTANTIATE_TEST_SUITE_P(Examples, CircleTangentCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return nameOf(info.param.name); });

TEST(CircleTangentPoint, TheCircleAloneWhileTheAngleIsEmpty) {
    for (const char* box : {"Text1", "Text2", "Text3"}) {
        const CalculatorRun run = runCircleTangentPoint(withBoxes(kBase, {{box, ""}}));
        EXPECT_TRUE(run.figure.steps.empty() && run.writes.empty()) << box;
    }
    const CalculatorRun run = runCircleTangentPoint(withBoxes(kBase, {{"Text4", ""}}));
    EXPECT_TRUE(run.writes.empty());
    ASSERT_EQ(run.figure.steps.size(), 3u);
    // Five radii wide, centred on the circle (Z 0, radius 50 drawn up).
    const UserScale scale = stepAt<Figure::Scale>(run.figure, 1).scale;
    const float height = static_cast<float>(50.0 * 4875.0 / 8835.0);
    EXPECT_EQ(scale, (UserScale{-25.0f, static_cast<float>(-height / 2.0 - 50.0), 50.0f, height}));
    expectNear(stepAt<Figure::Circle>(run.figure, 2).centre, 0.0, -50.0);
    EXPECT_EQ(stepAt<Figure::Circle>(run.figure, 2).radius, 10.0);
}

TEST(CircleTangentPoint, FigureDrawsTheTangentAtTheWrittenPoint) {
    const CalculatorRun run = runCircleTangentPoint(kBase);
    const Figure& f = run.figure;
    ASSERT_EQ(f.steps.size(), 8u);
    // The point as written, X 82.679 Z 5, drawn at Z 5, radius 41.3395.
    const QPointF tangent(5.0, -41.3395);
    const auto& along = stepAt<Figure::Line>(f, 3);
    const auto& against = stepAt<Figure::Line>(f, 4);
    expectNear(along.from, tangent.x(), tangent.y(), 1e-12);
    expectNear(against.from, tangent.x(), tangent.y(), 1e-12);
    // Half a scale width each way along 30 degrees.
    expectNear(along.to, 5.0 + 25.0 * std::cos(gPi / 6.0), -41.3395 - 25.0 * std::sin(gPi / 6.0), 1e-9);
    expectNear(against.to, 5.0 - 25.0 * std::cos(gPi / 6.0), -41.3395 + 25.0 * std::sin(gPi / 6.0), 1e-9);
    expectNear(stepAt<Figure::Circle>(f, 5).centre, 0.0, -50.0);
    expectNear(stepAt<Figure::Circle>(f, 7).centre, tangent.x(), tangent.y(), 1e-12);
    EXPECT_NEAR(stepAt<Figure::Circle>(f, 5).radius, 0.05, 1e-12);
    EXPECT_NEAR(stepAt<Figure::Circle>(f, 6).radius, 0.05, 1e-12);
    EXPECT_NEAR(stepAt<Figure::Circle>(f, 7).radius, 0.1, 1e-12);
    for (std::size_t i = 5; i < 8; ++i)
        EXPECT_EQ(stepAt<Figure::Circle>(f, i).colour, kMarkerColour);
}

const FailureCase kFailures[] = {
    {"zeroRadius", {{"Text3", "0"}}, 0, 1},
    {"blankRadius", {{"Text3", " "}}, 0, 1},
    {"radiusBeyondSinglePrecision", {{"Text3", "1E38"}}, 0, 1},
    {"pointTooLargeToWrite", {{"Text2", "9E14"}, {"Text3", "4E14"}}, 3, 3},
    {"centreBeyondTheScalesPrecision", {{"Text2", "1E15"}}, 0, 1},
    {"angleTooLarge", {{"Text4", "1E999"}}, 0, 3},
};

class CircleTangentFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CircleTangentFailures, EndInTheFailureText) {
    const FailureCase& c = GetParam();
    const CalculatorRun run = runCircleTangentPoint(inputFor(kBase, c));
    EXPECT_TRUE(run.figure.failure);
    EXPECT_EQ(run.writes.size(), c.writes);
    EXPECT_EQ(run.figure.steps.size(), c.steps);
}

INSTANTIATE_TEST_SUITE_P(Faults, CircleTangentFailures, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return nameOf(info.param.name); });

}  // namespace
