#include "calculators/arc_tangent_two_lines.h"

#include <gtest/gtest.h>

#include <QHash>

#include <cmath>
#include <variant>

#include "common/format.h"
#include "calculators/calculator_conventions.h"
#include "calculators/figure.h"
#include "platform/recording_surface.h"
#include <QStringList>
#include "common/runtime_error.h"

using namespace quillmar;

namespace {

struct Expected {
    const char* crossingX;
    const char* crossingZ;
    const char* centreX;
    const char* centreZ;
    const char* t1x;
    const char* t1z;
    const char* i1;
    const char* k1;
    const char* t2x;
    const char* t2z;
    const char* i2;
    const char* k2;
};

struct ArcCase {
    const char* name;
    ArcTangentInput input;
    Expected expected;
};

ArcTangentInput lines(const char* x1, const char* z1, const char* a1, const char* x2, const char* z2, const char* a2,
                      const char* r, Plane plane = Plane::XZ, int corner = 1, bool zoom = false) {
    ArcTangentInput in;
    in.x1 = QString::fromUtf8(x1);
    in.z1 = QString::fromUtf8(z1);
    in.a1 = QString::fromUtf8(a1);
    in.x2 = QString::fromUtf8(x2);
    in.z2 = QString::fromUtf8(z2);
    in.a2 = QString::fromUtf8(a2);
    in.r = QString::fromUtf8(r);
    in.plane = plane;
    in.corner = corner;
    in.zoom = zoom;
    return in;
}

// Line 1 along Z at diameter 100 from Z 0, line 2 square to it at Z -50, R 10: the four
// corners around the crossing point X 100, Z -50.
const ArcCase kArcCases[] = {
    {"corner1", lines("100", "0", "0", "0", "-50", "90", "10", Plane::XZ, 1),
     {"100", "-50", "120", "-40", "100", "-40", "10", "0", "120", "-50", "0", "10"}},
    {"corner2", lines("100", "0", "0", "0", "-50", "90", "10", Plane::XZ, 2),
     {"100", "-50", "80", "-60", "100", "-60", "-10", "0", "80", "-50", "0", "-10"}},
    {"corner3", lines("100", "0", "0", "0", "-50", "90", "10", Plane::XZ, 3),
     {"100", "-50", "120", "-60", "100", "-60", "10", "0", "120", "-50", "0", "-10"}},
    {"corner4", lines("100", "0", "0", "0", "-50", "90", "10", Plane::XZ, 4),
     {"100", "-50", "80", "-40", "100", "-40", "-10", "0", "80", "-50", "0", "10"}},
    // The same lines given the other way round: corners 3 and 4 stay where they were.
    {"swapped1", lines("0", "-50", "90", "100", "0", "0", "10", Plane::XZ, 1),
     {"100", "-50", "120", "-40", "120", "-50", "0", "10", "100", "-40", "10", "0"}},
    {"swapped2", lines("0", "-50", "90", "100", "0", "0", "10", Plane::XZ, 2),
     {"100", "-50", "80", "-60", "80", "-50", "0", "-10", "100", "-60", "-10", "0"}},
    {"swapped3", lines("0", "-50", "90", "100", "0", "0", "10", Plane::XZ, 3),
     {"100", "-50", "120", "-60", "120", "-50", "0", "-10", "100", "-60", "10", "0"}},
    {"swapped4", lines("0", "-50", "90", "100", "0", "0", "10", Plane::XZ, 4),
     {"100", "-50", "80", "-40", "80", "-50", "0", "10", "100", "-40", "-10", "0"}},
    // X-Y plane: y = x and y = 10 - x cross at 5, 5; R 2 (offsets of 2 and 2·√2).
    {"xyCorner1", lines("0", "0", "45", "10", "0", "135", "2", Plane::XY, 1),
     {"5", "5", "5", "7.828", "6.414", "6.414", "-1.415", "1.414", "3.585", "6.414", "1.414", "1.414"}},
    {"xyCorner2", lines("0", "0", "45", "10", "0", "135", "2", Plane::XY, 2),
     {"5", "5", "5", "2.171", "3.585", "3.585", "1.414", "-1.415", "6.414", "3.585", "-1.415", "-1.415"}},
    {"xyCorner3", lines("0", "0", "45", "10", "0", "135", "2", Plane::XY, 3),
     {"5", "5", "2.171", "5", "3.585", "3.585", "-1.415", "1.414", "3.585", "6.414", "-1.415", "-1.415"}},
    {"xyCorner4", lines("0", "0", "45", "10", "0", "135", "2", Plane::XY, 4),
     {"5", "5", "7.828", "5", "6.414", "6.414", "1.414", "-1.415", "6.414", "3.585", "1.414", "1.414"}},
    // The same figure in the X-Z plane: X is a diameter, so the crossing lies at X 10, the
    // vertical offsets double in X and I is halved back to a radius.
    {"xzDiameter", lines("0", "0", "45", "0", "10", "135", "2", Plane::XZ, 1),
     {"10", "5", "15.656", "5", "12.828", "6.414", "1.414", "-1.415", "12.828", "3.585", "1.414", "1.414"}},
    // Boxes are read by the leading-number rule: "100mm" is 100, "abc" is 0.
    {"leadingNumbers", lines("100mm", "0", "abc", "0", "-50", "90", "10", Plane::XZ, 2),
     {"100", "-50", "80", "-60", "100", "-60", "-10", "0", "80", "-50", "0", "-10"}},
};

class ArcTangentCases : public ::testing::TestWithParam<ArcCase> {};

TEST_P(ArcTangentCases, WritesEveryResultBox) {
    const ArcCase& c = GetParam();
    const ArcTangentRun run = runArcTangent(c.input);
    ASSERT_FALSE(run.figure.failure);
    ASSERT_TRUE(run.crossingX && run.crossingZ && run.arc);
    const ArcTangentTexts& a = *run.arc;
    EXPECT_EQ(run.crossingX->toStdString(), c.expected.crossingX);
    EXPECT_EQ(run.crossingZ->toStdString(), c.expected.crossingZ);
    EXPECT_EQ(a.centreX.toStdString(), c.expected.centreX);
    EXPECT_EQ(a.centreZ.toStdString(), c.expected.centreZ);
    EXPECT_EQ(a.tangent1X.toStdString(), c.expected.t1x);
    EXPECT_EQ(a.tangent1Z.toStdString(), c.expected.t1z);
    EXPECT_EQ(a.tangent1I.toStdString(), c.expected.i1);
    EXPECT_EQ(a.tangent1K.toStdString(), c.expected.k1);
    EXPECT_EQ(a.tangent2X.toStdString(), c.expected.t2x);
    EXPECT_EQ(a.tangent2Z.toStdString(), c.expected.t2z);
    EXPECT_EQ(a.tangent2I.toStdString(), c.expected.i2);
    EXPECT_EQ(a.tangent2K.toStdString(), c.expected.k2);
    EXPECT_EQ(run.zoomEnabled, std::optional<bool>(true));
}

INSTANTIATE_TEST_SUITE_P(Examples, ArcTangentCases, ::testing::ValuesIn(kArcCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Stages that stop early -------------------------------------------------------

TEST(ArcTangentStages, AnEmptyBoxOfLineOneDoesNothing) {
    for (int empty = 0; empty < 3; ++empty) {
        ArcTangentInput in = lines("100", "0", "0", "0", "-50", "90", "10");
        QString* boxes[] = {&in.x1, &in.z1, &in.a1};
        boxes[empty]->clear();
        const ArcTangentRun run = runArcTangent(in);
        EXPECT_TRUE(run.figure.steps.empty());
        EXPECT_FALSE(run.figure.failure);
        EXPECT_FALSE(run.crossingX || run.crossingZ || run.arc || run.zoomEnabled);
    }
}

TEST(ArcTangentStages, BlanksCountAsContent) {
    const ArcTangentRun run = runArcTangent(lines(" ", " ", "30", "", "", "", ""));
    ASSERT_EQ(run.figure.steps.size(), 3u);  // read as 0, 0: line 1's direction is drawn
}

TEST(ArcTangentStages, LineTwoIncompleteDrawsLineOneThroughTheMiddle) {
    for (int empty = 0; empty < 3; ++empty) {
        ArcTangentInput in = lines("100", "20", "30", "0", "-50", "90", "10");
        QString* boxes[] = {&in.x2, &in.z2, &in.a2};
        boxes[empty]->clear();
        const ArcTangentRun run = runArcTangent(in);
        EXPECT_FALSE(run.figure.failure);
        EXPECT_FALSE(run.crossingX || run.crossingZ || run.arc || run.zoomEnabled);
        ASSERT_EQ(run.figure.steps.size(), 3u);
        EXPECT_TRUE(std::holds_alternative<Figure::Clear>(run.figure.steps[0]));
        const auto& scale = std::get<Figure::Scale>(run.figure.steps[1]).scale;
        EXPECT_EQ(scale, (UserScale{-4417.5f, -2437.5f, 8835.0f, 4875.0f}));
        const auto& line = std::get<Figure::Line>(run.figure.steps[2]);
        // 30 degrees, whatever the start point: up to the right, drawn with V negated.
        EXPECT_NEAR(line.from.x(), 8660.254, 0.01);
        EXPECT_NEAR(line.from.y(), -5000.0, 0.01);
        EXPECT_NEAR(line.to.x(), -8660.254, 0.01);
        EXPECT_NEAR(line.to.y(), 5000.0, 0.01);
        EXPECT_EQ(line.colour, kGeometryColour);
    }
}

TEST(ArcTangentStages, EmptyRadiusGivesTheCrossingAndTheRaysAndDisablesZoom) {
    const ArcTangentRun run = runArcTangent(lines("100", "0", "0", "0", "-50", "90", ""));
    EXPECT_FALSE(run.figure.failure);
    EXPECT_EQ(run.crossingX, QStringLiteral("100"));
    EXPECT_EQ(run.crossingZ, QStringLiteral("-50"));
    EXPECT_FALSE(run.arc);
    EXPECT_EQ(run.zoomEnabled, std::optional<bool>(false));
    ASSERT_EQ(run.figure.steps.size(), 4u);  // clear, scale, two rays
}

// --- The figure ---------------------------------------------------------------------

const Figure::Line& lineAt(const Figure& f, std::size_t i) { return std::get<Figure::Line>(f.steps.at(i)); }

void expectPoint(QPointF actual, double x, double y, double tolerance = 1e-6) {
    EXPECT_NEAR(actual.x(), x, tolerance);
    EXPECT_NEAR(actual.y(), y, tolerance);
}

TEST(ArcTangentFigure, ScaleFitsTheStartPointsAndTheCrossingAtThePictureAspect) {
    // Points (H, V): (0, 0), (10, 0), crossing (5, 5): wider than the picture's aspect.
    const ArcTangentRun run = runArcTangent(lines("0", "0", "45", "10", "0", "135", "2", Plane::XY));
    const UserScale scale = std::get<Figure::Scale>(run.figure.steps.at(1)).scale;
    EXPECT_FLOAT_EQ(scale.width, 14.0f);
    EXPECT_FLOAT_EQ(scale.height, static_cast<float>(14.0 * 4875.0 / 8835.0));
    EXPECT_FLOAT_EQ(scale.left, -2.0f);
    EXPECT_FLOAT_EQ(scale.top, -7.0f);  // -(largest V) - 0.2·w
}

TEST(ArcTangentFigure, TallFigureFitsTheHeight) {
    // Points (Z, X/2): (0, 50), (-50, 0), crossing (-50, 50): w = h = 50.
    const ArcTangentRun run = runArcTangent(lines("100", "0", "0", "0", "-50", "90", "10"));
    const UserScale scale = std::get<Figure::Scale>(run.figure.steps.at(1)).scale;
    const float width = static_cast<float>(1.4 * 50.0 * 8835.0 / 4875.0);
    EXPECT_FLOAT_EQ(scale.width, width);
    EXPECT_FLOAT_EQ(scale.height, 70.0f);
    EXPECT_FLOAT_EQ(scale.left, static_cast<float>(-50.0 - (width - 50.0) / 2.0));
    EXPECT_FLOAT_EQ(scale.top, -60.0f);
}

TEST(ArcTangentFigure, RaysRunFromTheStartPointsThroughTheCrossing) {
    // Line 2 runs at 135 degrees from (10, 0) up to the left through (5, 5).
    const ArcTangentRun run = runArcTangent(lines("0", "0", "45", "10", "0", "135", "", Plane::XY));
    const double reach = 14.0 * std::sqrt(0.5);
    expectPoint(lineAt(run.figure, 2).from, 0.0, 0.0);
    expectPoint(lineAt(run.figure, 2).to, reach, -reach, 1e-5);
    expectPoint(lineAt(run.figure, 3).from, 10.0, 0.0);
    expectPoint(lineAt(run.figure, 3).to, 10.0 - reach, -reach, 1e-5);
}

TEST(ArcTangentFigure, ArcMarkersAndLabels) {
    const ArcTangentRun run = runArcTangent(lines("100", "0", "0", "0", "-50", "90", "10", Plane::XZ, 2));
    const Figure& f = run.figure;
    ASSERT_EQ(f.steps.size(), 13u);
    const double sw = 1.4 * 50.0 * 8835.0 / 4875.0;
    EXPECT_EQ(std::get<Figure::TextColour>(f.steps[4]).colour, kLabelColour);
    const auto& circle = std::get<Figure::Circle>(f.steps[5]);
    expectPoint(circle.centre, -60.0, -40.0);
    EXPECT_EQ(circle.radius, 10.0);
    EXPECT_EQ(circle.colour, kGeometryColour);
    const auto& marker = std::get<Figure::Circle>(f.steps[6]);
    expectPoint(marker.centre, -60.0, -40.0);
    EXPECT_NEAR(marker.radius, 0.001 * sw, 1e-5);
    EXPECT_EQ(marker.colour, kMarkerColour);
    // A cross at tangent point 1 (Z -60, X 100) and at tangent point 2 (Z -50, X 80).
    const double d = 0.006 * sw;
    expectPoint(lineAt(f, 7).from, -60.0 - d, -50.0, 1e-4);
    expectPoint(lineAt(f, 7).to, -60.0 + d, -50.0, 1e-4);
    expectPoint(lineAt(f, 8).from, -60.0, -50.0 + d, 1e-4);
    expectPoint(lineAt(f, 8).to, -60.0, -50.0 - d, 1e-4);
    expectPoint(lineAt(f, 9).from, -50.0 - d, -40.0, 1e-4);
    expectPoint(lineAt(f, 10).to, -50.0, -40.0 - d, 1e-4);
    for (std::size_t i = 7; i <= 10; ++i)
        EXPECT_EQ(lineAt(f, i).colour, kMarkerColour);
    const auto& label1 = std::get<Figure::Text>(f.steps[11]);
    const auto& label2 = std::get<Figure::Text>(f.steps[12]);
    EXPECT_EQ(label1.text, QStringLiteral("1"));
    expectPoint(label1.at, -60.0, -50.0);
    EXPECT_EQ(label2.text, QStringLiteral("2"));
    expectPoint(label2.at, -50.0, -40.0);
}

TEST(ArcTangentFigure, ZoomCentresFiveRadiiOnTheArcAndKeepsTheRays) {
    const ArcTangentRun plain = runArcTangent(lines("100", "0", "0", "0", "-50", "90", "10", Plane::XZ, 2));
    const ArcTangentRun run = runArcTangent(lines("100", "0", "0", "0", "-50", "90", "10", Plane::XZ, 2, true));
    const Figure& f = run.figure;
    ASSERT_FALSE(f.failure);
    ASSERT_TRUE(std::holds_alternative<Figure::Clear>(f.steps.at(4)));
    const UserScale zoomed = std::get<Figure::Scale>(f.steps.at(5)).scale;
    EXPECT_FLOAT_EQ(zoomed.width, 50.0f);
    EXPECT_FLOAT_EQ(zoomed.height, static_cast<float>(50.0 * 4875.0 / 8835.0));
    EXPECT_FLOAT_EQ(zoomed.left, -85.0f);
    EXPECT_FLOAT_EQ(zoomed.top, static_cast<float>(-40.0 - 25.0 * 4875.0 / 8835.0));
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(lineAt(f, 6 + i).from, lineAt(plain.figure, 2 + i).from);
        EXPECT_EQ(lineAt(f, 6 + i).to, lineAt(plain.figure, 2 + i).to);
    }
    EXPECT_NEAR(std::get<Figure::Circle>(f.steps.at(10)).radius, 0.05, 1e-9);  // marker: 0.001 of 50
}

// --- Failures -------------------------------------------------------------------------

struct FailureCase {
    const char* name;
    ArcTangentInput input;
    bool crossingWritten;
    bool arcWritten;
    std::size_t stepsBeforeFailure;
};

const FailureCase kFailures[] = {
    {"equalAngles", lines("100", "0", "30", "0", "-50", "30", "10"), false, false, 1},
    {"zeroAndOneEighty", lines("100", "0", "0", "0", "-50", "180", "10"), false, false, 1},
    {"ninetyAndTwoSeventy", lines("100", "0", "90", "0", "-50", "270", "10"), false, false, 1},
    {"halfTurnOfTypedDecimals", lines("100", "0", "30.1", "0", "-50", "210.1", "10"), false, false, 1},
    {"fullTurn", lines("100", "0", "0", "0", "-50", "360", "10", Plane::XY), false, false, 1},
    {"startPointsOnTheCrossing", lines("10", "5", "0", "10", "5", "90", "10"), true, false, 1},
    {"startPointsOnTheCrossingButForRounding", lines("10", "5", "30", "10", "5", "60", "10"), true, false, 1},
    {"zeroRadiusZoomed", lines("100", "0", "0", "0", "-50", "90", "0", Plane::XZ, 1, true), true, true, 5},
    {"hugeRadius", lines("100", "0", "0", "0", "-50", "90", "1e300", Plane::XZ, 1), true, false, 4},
    {"numberTooLargeInLineTwo", lines("100", "0", "0", "1e999", "-50", "90", "10"), false, false, 1},
};

class ArcTangentFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ArcTangentFailures, EndInTheFailureText) {
    const FailureCase& c = GetParam();
    const ArcTangentRun run = runArcTangent(c.input);
    EXPECT_TRUE(run.figure.failure);
    EXPECT_EQ(run.crossingX.has_value(), c.crossingWritten);
    EXPECT_EQ(run.crossingZ.has_value(), c.crossingWritten);
    EXPECT_EQ(run.arc.has_value(), c.arcWritten);
    EXPECT_EQ(run.figure.steps.size(), c.stepsBeforeFailure);
}

INSTANTIATE_TEST_SUITE_P(Faults, ArcTangentFailures, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ArcTangentFailure, ANumberTooLargeInLineOneFailsBeforeThePictureIsCleared) {
    const ArcTangentRun run = runArcTangent(lines("1e999", "0", "0", "0", "-50", "90", "10"));
    EXPECT_EQ(run.figure.failure, std::optional<int>(6));
    EXPECT_TRUE(run.figure.steps.empty());
}

TEST(ArcTangentFailure, CrossingPointOfParallelLinesIsADivisionByZero) {
    try {
        crossingPoint(0, 0, 0.5, 10, 0, 0.5, Plane::XZ);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 11);
    }
}

// --- Inserted texts -------------------------------------------------------------------

QString insertedBy(const char* button, Plane plane, const std::function<QString(const QString&)>& boxes) {
    for (const InsertButton& insert : arcTangentInsertButtons())
        if (insert.name == QLatin1String(button))
            return insertText(insert, plane, boxes);
    ADD_FAILURE() << "no button " << button;
    return {};
}

TEST(ArcTangentInserts, EachButtonJoinsItsWordsAndBoxes) {
    ArcTangentInput in = lines("100", "0", "0", "0", "-50", "90", "10.0", Plane::XZ, 2);
    const ArcTangentRun run = runArcTangent(in);
    const ArcTangentTexts& a = *run.arc;
    const QHash<QString, QString> boxes = {
        {"Text1", in.x1},       {"Text2", in.z1},       {"Text4", in.x2},       {"Text5", in.z2},
        {"Text7", *run.crossingX}, {"Text8", *run.crossingZ}, {"Text9", in.r},
        {"Text10", a.centreX},  {"Text11", a.centreZ},  {"Text12", a.tangent1X}, {"Text13", a.tangent1Z},
        {"Text16", a.tangent1I}, {"Text17", a.tangent1K}, {"Text14", a.tangent2X}, {"Text15", a.tangent2Z},
        {"Text18", a.tangent2I}, {"Text19", a.tangent2K},
    };
    auto box = [&](const QString& name) { return boxes.value(name); };
    struct Row {
        const char* button;
        const char* xz;
        const char* xy;
    };
    const Row rows[] = {
        {"Command1", "N000 G01 X100 Z0\r\n", "N000 G01 X100 Y0\r\n"},
        {"Command3", "N000 G01 X0 Z-50\r\n", "N000 G01 X0 Y-50\r\n"},
        {"Command4", "N000 G01 X100 Z-50\r\n", "N000 G01 X100 Y-50\r\n"},
        {"Command5", "N000 G01 X80 Z-60\r\n", "N000 G01 X80 Y-60\r\n"},
        {"Command8", "N000     X100 Z-60\r\n", "N000     X100 Y-60\r\n"},
        {"Command6", " I-10 K0\r\n", " I-10 J0\r\n"},
        {"Command9", "N000 G0* X80 Z-50 L10.0\r\n", "N000 G0* X80 Y-50 L10.0\r\n"},
        {"Command7", " I0 K-10\r\n", " I0 J-10\r\n"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(insertedBy(row.button, Plane::XZ, box).toStdString(), row.xz) << row.button;
        EXPECT_EQ(insertedBy(row.button, Plane::XY, box).toStdString(), row.xy) << row.button;
    }
}

TEST(ArcTangentInserts, EmptyBoxesGiveEmptyWords) {
    auto none = [](const QString&) { return QString(); };
    EXPECT_EQ(insertedBy("Command1", Plane::XZ, none), QStringLiteral("N000 G01 X Z\r\n"));
    EXPECT_EQ(insertedBy("Command9", Plane::XY, none), QStringLiteral("N000 G0* X Y L\r\n"));
}

// Figures with oblique lines, worked out by hand from the formulas of the window: every
// result box as it is written, the fitted scale and the rays, the zoom in the X-Y plane,
// and where the failure text lands.


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

class ArcTangentOblique : public ::testing::TestWithParam<ObliqueCase> {};

TEST_P(ArcTangentOblique, ResultBoxes) {
    const ObliqueCase& c = GetParam();
    const ArcTangentRun run = runArcTangent(c.input);
    EXPECT_FALSE(run.figure.failure);
    EXPECT_EQ(boxes(run).toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Oblique, ArcTangentOblique, ::testing::ValuesIn(kOblique),
                         [](const auto& info) { return std::string(info.param.name); });

void expectNear(QPointF actual, double x, double y, double tolerance = 1e-4) {
    EXPECT_NEAR(actual.x(), x, tolerance);
    EXPECT_NEAR(actual.y(), y, tolerance);
}

TEST(ArcTangentFigure, WideFigureInTheXZPlane) {
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
    expectNear(ray1.from, 0.0, -20.0);
    expectNear(ray1.to, -28.0, -20.0);
    expectNear(ray2.from, -20.0, -30.0);
    expectNear(ray2.to, -20.0 + reach, -30.0 + reach);
    EXPECT_EQ(ray1.colour, kGeometryColour);
    EXPECT_EQ(ray2.colour, kGeometryColour);
    EXPECT_EQ(run.zoomEnabled, std::optional<bool>(false));
}

TEST(ArcTangentFigure, ZoomInTheXYPlane) {
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
    expectNear(circle.centre, 5.0, -centreY);
    EXPECT_EQ(circle.radius, 2.0);
    // Markers in fractions of the zoomed width.
    EXPECT_NEAR(std::get<Figure::Circle>(run.figure.steps.at(10)).radius, 0.01, 1e-9);
    const auto& arm = std::get<Figure::Line>(run.figure.steps.at(11));
    EXPECT_NEAR(arm.to.x() - arm.from.x(), 2.0 * 0.06, 1e-9);
}

TEST(ArcTangentFailure, AfterTheRaysTheTextStandsAtTheTopLeftOfThePicture) {
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

TEST(ArcTangentFailure, TheCrossingXIsWrittenBeforeItsZFails) {
    // Line 1 lies on the axis, line 2 starts at an enormous diameter at 45 degrees: X is 0,
    // but Z lies beyond what a box can hold, so only the X box is reached.
    const ArcTangentRun run = runArcTangent(lines("0", "0", "0", "1e306", "0", "45", "1", Plane::XZ, 1));
    EXPECT_TRUE(run.figure.failure);
    EXPECT_EQ(run.crossingX, std::optional<QString>(QStringLiteral("0")));
    EXPECT_FALSE(run.crossingZ);
    EXPECT_FALSE(run.arc);
    EXPECT_FALSE(run.zoomEnabled);
}

TEST(ArcTangentReadout, ZeroAndTheSmallestCut) {
    EXPECT_EQ(readoutText(0.0f, 0.0f, Plane::XZ).toStdString(), "X 0  Z 0 ");
    EXPECT_EQ(readoutText(0.0f, 0.0f, Plane::XY).toStdString(), "X 0  Y 0 ");
    EXPECT_EQ(readoutText(-0.0004f, 0.0002f, Plane::XZ).toStdString(), "X-.001  Z-.001 ");
    EXPECT_EQ(readoutText(-0.0004f, 0.0002f, Plane::XY).toStdString(), "X-.001  Y-.001 ");
}

}  // namespace
