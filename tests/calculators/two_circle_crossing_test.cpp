#include "calculators/two_circle_crossing.h"

#include "calculator_cases.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

// Centres X 0, Z 0 and X 0, Z 6, both of radius 5: crossings 4 to either side (X 8 as a
// diameter), half way between the centres.
const CalculatorInput kBase{
    {{"Text1", "0"}, {"Text2", "0"}, {"Text3", "5"}, {"Text4", "0"}, {"Text5", "6"}, {"Text6", "5"}}};
const Boxes kBaseWrites = {{"Text7", "8"}, {"Text8", "3"}, {"Text11", "-8"}, {"Text12", "3"}};

const Case kCases[] = {
    {"baseExample", {}, {}},
    {"xyPlane", {}, {{"Text7", "-4"}, {"Text11", "4"}}, Plane::XY},
    // Centre 2 straight toward smaller Z: a half turn like any other direction.
    {"centreTwoTowardSmallerZ", {{"Text2", "6"}, {"Text5", "0"}}, {{"Text7", "-8"}, {"Text11", "8"}}},
    // Centre 2 below centre 1: crossing 1 lies to the left of that way down, at larger Z.
    {"centreTwoBelow",
     {{"Text2", "3"}, {"Text4", "-12"}, {"Text5", "3"}},
     {{"Text7", "-6"}, {"Text8", "7"}, {"Text11", "-6"}, {"Text12", "-1"}}},
    {"touchingOutside", {{"Text5", "10"}}, {{"Text7", "0"}, {"Text8", "5"}, {"Text11", "0"}, {"Text12", "5"}}},
    {"touchingInside",
     {{"Text4", "3"}, {"Text5", "0"}, {"Text6", "2"}},
     {{"Text7", "5"}, {"Text8", "0"}, {"Text11", "5"}, {"Text12", "0"}},
     Plane::XY},
    {"touchingFromInside",
     {{"Text3", "2"}, {"Text4", "3"}, {"Text5", "0"}},
     {{"Text7", "-2"}, {"Text8", "0"}, {"Text11", "-2"}, {"Text12", "0"}},
     Plane::XY},
    // Nothing is added before the cut.
    {"cutWithNothingAdded",
     {{"Text2", "0.0004"}, {"Text5", "6.0004"}},
     {{"Text7", "-4"}, {"Text11", "4"}},
     Plane::XY},
    {"cutTowardMinusInfinity",
     {{"Text2", "-0.00000001"}, {"Text5", "5.99999999"}},
     {{"Text7", "-4"}, {"Text8", "2.999"}, {"Text11", "4"}, {"Text12", "2.999"}},
     Plane::XY},
};

class TwoCircleCases : public ::testing::TestWithParam<Case> {};

TEST_P(TwoCircleCases, WritesBothCrossingsInOrder) {
    const Case& c = GetParam();
    const CalculatorRun run = runTwoCircleCrossing(inputFor(kBase, c));
    ASSERT_FALSE(run.figure.failure) << *run.figure.failure;
    EXPECT_EQ(writesOf(run), expectedWrites(kBaseWrites, c.expected));
}

INSTANTIATE_TEST_SUITE_P(Examples, TwoCircleCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return nameOf(info.param.name); });

TEST(TwoCircleCrossing, OneCircleAloneIsDrawnTenRadiiWide) {
    const CalculatorRun nothing = runTwoCircleCrossing(withBoxes(kBase, {{"Text3", ""}, {"Text4", ""}}));
    EXPECT_EQ(figureOf(nothing.figure), "clear");
    struct Row {
        Boxes empty;
        double x, s, r;
    };
    const Row rows[] = {
        {{{"Text6", ""}}, 0, 0, 5}, {{{"Text1", ""}}, 0, 6, 5}, {{{"Text1", ""}, {"Text6", "4"}}, 0, 6, 4}};
    for (const Row& row : rows) {
        const CalculatorRun run = runTwoCircleCrossing(withBoxes(kBase, row.empty));
        EXPECT_TRUE(run.writes.empty());
        ASSERT_FALSE(run.figure.failure);
        ASSERT_EQ(run.figure.steps.size(), 5u);
        const UserScale scale = stepAt<Figure::Scale>(run.figure, 1).scale;
        EXPECT_FLOAT_EQ(scale.width, static_cast<float>(10.0 * row.r));
        EXPECT_FLOAT_EQ(scale.left, static_cast<float>(row.s - 5.0 * row.r));
        const auto& upDown = stepAt<Figure::Line>(run.figure, 2);
        expectNear(upDown.from, row.s, -row.x / 2.0 - row.r / 15.0);
        EXPECT_EQ(upDown.colour, kMarkerColour);
        expectNear(stepAt<Figure::Line>(run.figure, 3).from, row.s + row.r / 15.0, -row.x / 2.0);
        EXPECT_EQ(stepAt<Figure::Circle>(run.figure, 4).radius, row.r);
    }
    const CalculatorRun zero = runTwoCircleCrossing(withBoxes(kBase, {{"Text6", ""}, {"Text3", "0"}}));
    EXPECT_TRUE(zero.figure.failure);
}

TEST(TwoCircleCrossing, FigureCentresOnTheMidpointOfTheCentres) {
    const CalculatorRun run = runTwoCircleCrossing(kBase);
    const Figure& f = run.figure;
    ASSERT_EQ(f.steps.size(), 15u);
    EXPECT_EQ(stepAt<Figure::TextColour>(f, 1).colour, kLabelColour);
    // Z spans -5..11, X (not halved) -5..5: H = 16 x 4875 / 8835 is less than 10.
    const UserScale scale = stepAt<Figure::Scale>(f, 2).scale;
    EXPECT_FLOAT_EQ(scale.width, 20.0f);
    EXPECT_FLOAT_EQ(scale.left, -7.0f);
    const float height = static_cast<float>(20.0 * 4875.0 / 8835.0);
    EXPECT_FLOAT_EQ(scale.height, height);
    EXPECT_FLOAT_EQ(scale.top, static_cast<float>(-height / 2.0));
    // Centre 1's mark reaches H / 80 toward larger Z, H / 70 elsewhere; centre 2's H / 70.
    const auto& across1 = stepAt<Figure::Line>(f, 4);
    expectNear(across1.from, 10.0 / 80.0, 0.0);
    expectNear(across1.to, -10.0 / 70.0, 0.0);
    const auto& across2 = stepAt<Figure::Line>(f, 7);
    expectNear(across2.from, 6.0 + 10.0 / 70.0, 0.0);
    EXPECT_EQ(stepAt<Figure::Circle>(f, 5).radius, 5.0);
    // Markers at the written points, small then large, then the labels.
    expectNear(stepAt<Figure::Circle>(f, 9).centre, 3.0, -4.0);
    EXPECT_NEAR(stepAt<Figure::Circle>(f, 11).radius, 0.04, 1e-12);
    EXPECT_EQ(stepAt<Figure::Text>(f, 13).text, QStringLiteral(" 1"));
    expectNear(stepAt<Figure::Text>(f, 14).at, 3.0, 4.0);
}

const FailureCase kFailures[] = {
    {"sameCentres", {{"Text5", "0"}}, 0, 1},
    {"apart", {{"Text5", "10.002"}}, 0, 1},
    {"insideWithoutTouching", {{"Text5", "1"}, {"Text6", "2"}}, 0, 1},
    {"zeroRadius", {{"Text3", "0"}}, 0, 1},
    {"tooLarge", {{"Text4", "1E999"}}, 0, 1},
    {"pointTooLargeToWrite", {{"Text1", "1E15"}, {"Text4", "1E15"}}, 0, 1},
};

class TwoCircleFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(TwoCircleFailures, EndInTheFailureText) {
    const FailureCase& c = GetParam();
    const CalculatorRun run = runTwoCircleCrossing(inputFor(kBase, c));
    EXPECT_TRUE(run.figure.failure);
    EXPECT_EQ(run.writes.size(), c.writes);
    EXPECT_EQ(run.figure.steps.size(), c.steps);
}

INSTANTIATE_TEST_SUITE_P(Faults, TwoCircleFailures, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return nameOf(info.param.name); });

}  // namespace
