#include "calculators/two_lines_two_arcs.h"

#include "calculator_cases.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

// "Hori": lines at X 100 and X 60 (20 apart in radius), R1 5, R2 8, P1 at Z 0.
const CalculatorInput kBase{{{"Text1", "100"}, {"Text4", "60"}, {"Text3", "5"}, {"Text6", "8"}, {"Text2", "0"}}};
const Boxes kBaseWrites = {{"Text2", "0"},      {"Text5", "10.954"},  {"Text7", "84.615"}, {"Text8", "4.213"},
                           {"Text9", "90"},     {"Text10", "0"},      {"Text11", "2.692"}, {"Text12", "-4.213"},
                           {"Text13", "76"},    {"Text14", "10.954"}, {"Text15", "-4.308"}, {"Text16", "6.741"}};
// "Verti": lines at Z 0 and Z -20, P1 at X 50.
const CalculatorInput kVertical{{{"Text2", "0"}, {"Text5", "-20"}, {"Text3", "5"}, {"Text6", "8"}, {"Text1", "50"}},
                                Plane::XZ, 1, true};
const Boxes kVerticalWrites = {{"Text1", "50"},     {"Text4", "71.908"}, {"Text7", "58.426"}, {"Text8", "-7.693"},
                               {"Text9", "50"},     {"Text10", "-5"},    {"Text11", "-4.213"}, {"Text12", "2.693"},
                               {"Text13", "71.908"}, {"Text14", "-12"},  {"Text15", "6.741"}, {"Text16", "-4.307"}};

const Case kCases[] = {
    {"workedExample", {}, {}},
    {"arcTwoTowardSmallerZ", {},
     {{"Text5", "-10.955"}, {"Text8", "-4.214"}, {"Text12", "4.214"}, {"Text14", "-10.955"}, {"Text16", "-6.741"}},
     Plane::XZ, 2},
    // Placed by P2 or by P3 instead of P1.
    {"placedByP2", {{"Text2", ""}, {"Text5", "20"}},
     {{"Text2", "9.045"}, {"Text5", "20"}, {"Text8", "13.258"}, {"Text10", "9.045"}, {"Text14", "20"},
      {"Text16", "6.742"}}},
    {"placedByP3", {{"Text2", ""}, {"Text8", "10"}},
     {{"Text2", "5.786"}, {"Text5", "16.741"}, {"Text8", "10"}, {"Text10", "5.786"}, {"Text12", "-4.214"},
      {"Text14", "16.741"}, {"Text16", "6.741"}}},
    {"firstFilledWins", {{"Text5", "99"}, {"Text8", "99"}}, {}},
    {"givenPositionCutBack", {{"Text2", "10.12345"}},
     {{"Text2", "10.123"}, {"Text5", "21.077"}, {"Text8", "14.336"}, {"Text10", "10.123"}, {"Text14", "21.077"}}},
    {"allZEmpty", {{"Text2", ""}},
     {{"Text5", "0"}, {"Text8", "0"}, {"Text12", "0"}, {"Text14", "0"}, {"Text16", "0"}}},
    // Lines 2·(R1 + R2) apart: the arcs stacked one over the other.
    {"stackedArcs", {{"Text4", "48"}, {"Text2", "12"}},
     {{"Text2", "12"}, {"Text5", "12"}, {"Text7", "80"}, {"Text8", "12"}, {"Text10", "12"}, {"Text11", "5"},
      {"Text12", "0"},
      {"Text13", "64"}, {"Text14", "12"}, {"Text15", "-8"}, {"Text16", "0"}}},
    // Line 1 below line 2: the centres lie toward each other from their lines.
    {"lineOneBelow", {{"Text1", "60"}, {"Text4", "100"}},
     {{"Text7", "75.384"}, {"Text9", "70"}, {"Text11", "-2.692"}, {"Text13", "84"}, {"Text15", "4.308"}}},
    // Radii of 0 or below are computed with.
    {"negativeRadius", {{"Text1", "100"}, {"Text4", "96"}, {"Text3", "-2"}, {"Text6", "5"}},
     {{"Text5", "2.828"}, {"Text7", "102.666"}, {"Text8", "-1.886"}, {"Text9", "104"}, {"Text11", "0.667"},
      {"Text12", "1.886"},
      {"Text13", "106"}, {"Text14", "2.828"}, {"Text15", "1.667"}, {"Text16", "4.714"}}},
};

class TwoLinesTwoArcsCases : public ::testing::TestWithParam<Case> {};

TEST_P(TwoLinesTwoArcsCases, WritesEveryBoxInOrder) {
    const Case& c = GetParam();
    const CalculatorRun run = runTwoLinesTwoArcs(inputFor(kBase, c));
    ASSERT_FALSE(run.figure.failure) << *run.figure.failure;
    EXPECT_EQ(writesOf(run), expectedWrites(kBaseWrites, c.expected));
}

INSTANTIATE_TEST_SUITE_P(Examples, TwoLinesTwoArcsCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return nameOf(info.param.name); });

const Case kVerticalCases[] = {
    {"verticalExample", {}, {}},
    {"verticalPlacedByP3", {{"Text1", ""}, {"Text7", "58.426"}},
     {{"Text1", "49.999"}, {"Text9", "49.999"}, {"Text11", "-4.214"}}},
    {"verticalArcTwoDown", {},
     {{"Text4", "28.091"}, {"Text7", "41.573"}, {"Text11", "4.213"}, {"Text13", "28.091"}, {"Text15", "-6.741"}},
     Plane::XZ, 2},
};

class TwoLinesTwoArcsVertical : public ::testing::TestWithParam<Case> {};

TEST_P(TwoLinesTwoArcsVertical, WritesEveryBoxInOrder) {
    const Case& c = GetParam();
    CalculatorInput in = inputFor(kVertical, c);
    in.vertical = true;
    const CalculatorRun run = runTwoLinesTwoArcs(in);
    ASSERT_FALSE(run.figure.failure) << *run.figure.failure;
    EXPECT_EQ(writesOf(run), expectedWrites(kVerticalWrites, c.expected));
}

INSTANTIATE_TEST_SUITE_P(Examples, TwoLinesTwoArcsVertical, ::testing::ValuesIn(kVerticalCases),
                         [](const auto& info) { return nameOf(info.param.name); });

TEST(TwoLinesTwoArcs, ScalesOfEachView) {
    struct Row {
        const char* name;
        CalculatorInput input;
        UserScale scale;
        std::size_t lines;
    };
    auto hori = [](const Boxes& boxes) { return withBoxes(CalculatorInput{}, boxes); };
    auto verti = [](const Boxes& boxes) {
        CalculatorInput in = withBoxes(CalculatorInput{}, boxes);
        in.vertical = true;
        return in;
    };
    const Row rows[] = {
        {"lineOneAlone", hori({{"Text1", "40"}}), {-906, -520, 1812, 1000}, 1},
        {"lineTwoAlone", hori({{"Text4", "40"}, {"Text2", "5"}}), {-906, -520, 1812, 1000}, 1},
        {"twoLines", hori({{"Text1", "100"}, {"Text4", "60"}, {"Text3", "5"}}), {-36.24f, -60, 72.48f, 40}, 2},
        {"workedExample", kBase, {-67.003f, -80, 144.96f, 80}, 2},
        {"verticalLineAlone", verti({{"Text5", "30"}}), {-876, -500, 1812, 1000}, 1},
        {"verticalTwoLines", verti({{"Text2", "0"}, {"Text5", "-20"}}), {-46.24f, 20, 72.48f, 40}, 2},
        {"verticalExample", kVertical, {-60, -50.477f, 100, static_cast<float>(100 / 1.812)}, 2},
    };
    for (const Row& row : rows) {
        const CalculatorRun run = runTwoLinesTwoArcs(row.input);
        ASSERT_FALSE(run.figure.failure) << row.name;
        const UserScale s = stepAt<Figure::Scale>(run.figure, 1).scale;
        EXPECT_FLOAT_EQ(s.left, row.scale.left) << row.name;
        EXPECT_FLOAT_EQ(s.top, row.scale.top) << row.name;
        EXPECT_FLOAT_EQ(s.width, row.scale.width) << row.name;
        EXPECT_FLOAT_EQ(s.height, row.scale.height) << row.name;
        for (std::size_t i = 0; i < row.lines; ++i)
            EXPECT_EQ(stepAt<Figure::Line>(run.figure, 2 + i).colour, kGeometryColour);
        if (row.lines == 1 || std::string(row.name) == "twoLines") {
            EXPECT_TRUE(run.writes.empty()) << row.name;
        }
    }
    EXPECT_EQ(figureOf(runTwoLinesTwoArcs(CalculatorInput{}).figure), "clear");
}

TEST(TwoLinesTwoArcs, FigureAtTheCutPoints) {
    const CalculatorRun run = runTwoLinesTwoArcs(kBase);
    const Figure& f = run.figure;
    ASSERT_EQ(f.steps.size(), 20u);
    // Lines across the whole picture, whatever the scale.
    expectNear(stepAt<Figure::Line>(f, 2).from, -1000.0, -50.0);
    expectNear(stepAt<Figure::Line>(f, 3).to, 1000.0, -30.0);
    expectNear(stepAt<Figure::Circle>(f, 4).centre, 0.0, -45.0);
    expectNear(stepAt<Figure::Circle>(f, 5).centre, 10.954, -38.0, 1e-12);
    EXPECT_EQ(stepAt<Figure::Circle>(f, 5).radius, 8.0);
    const double m = 0.007 * 144.96;  // the scale width as the picture holds it, widened
    // Across strokes at P1, P2, P3, C1, C2, then the up-down strokes.
    expectNear(stepAt<Figure::Line>(f, 6).from, -m, -50.0, 1e-9);
    expectNear(stepAt<Figure::Line>(f, 8).to, 4.213 + m, -42.3075, 1e-9);
    expectNear(stepAt<Figure::Line>(f, 11).from, 0.0, -50.0 - m, 1e-9);
    EXPECT_EQ(stepAt<Figure::Line>(f, 11).colour, kMarkerColour);
    EXPECT_EQ(stepAt<Figure::TextColour>(f, 16).colour, kLabelColour);
    EXPECT_EQ(stepAt<Figure::Text>(f, 19).text, QStringLiteral("3"));
    expectNear(stepAt<Figure::Text>(f, 19).at, 4.213, -42.3075, 1e-12);
}

const FailureCase kFailures[] = {
    {"linesTooFarApart", {{"Text4", "20"}}, 0, 1},
    {"coincidingLines", {{"Text4", "100"}}, 0, 1},
    {"coincidingLinesWithoutRadii", {{"Text4", "100"}, {"Text3", ""}}, 0, 1},
    {"zeroRadiiOnCoincidingLines", {{"Text4", "100"}, {"Text3", "0"}, {"Text6", "0"}}, 0, 1},
    {"tooLarge", {{"Text3", "1E999"}}, 0, 1},
    {"lineBeyondSinglePrecision", {{"Text1", "1E39"}, {"Text4", ""}}, 0, 1},
    {"positionTooLargeToWrite", {{"Text2", "1E15"}}, 0, 1},
};

class TwoLinesTwoArcsFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(TwoLinesTwoArcsFailures, EndInTheFailureText) {
    const FailureCase& c = GetParam();
    const CalculatorRun run = runTwoLinesTwoArcs(inputFor(kBase, c));
    EXPECT_TRUE(run.figure.failure);
    EXPECT_EQ(run.writes.size(), c.writes);
    EXPECT_EQ(run.figure.steps.size(), c.steps);
}

INSTANTIATE_TEST_SUITE_P(Faults, TwoLinesTwoArcsFailures, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return nameOf(info.param.name); });

}  // namespace
