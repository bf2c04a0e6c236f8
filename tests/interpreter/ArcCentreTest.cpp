#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "interpreter/ArcCentre.h"

namespace {

constexpr double kInch = 25400000.0;
constexpr double kMillimetre = 1000000.0;

struct ArcCase {
    const char* name;
    ArcCentre::Point start;
    ArcCentre::Point end;
    ArcCentre::ArcWords words;
    double unitLength;
    ArcCentre::Vertex centre;
};

// Names the case in test listings.
void PrintTo(const ArcCase& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
const ArcCase kArcCases[] = {
    {"HalfCircleByRadiusCounterClockwise", {0, 0}, {25400000, 0},
     {0.5, 0.0, 0.0, false}, kInch, {12700000, 0, -12700000}},
    // The offsets follow the computed direction: one written negative points away from it.
    {"NegativeOffsetIsAppliedAgainstTheDirection", {0, 0}, {25400000, 25400000},
     {0.0, -1.0, 0.0, true}, kInch, {-25400000, 0, 25400000}},
    // A radius shorter than half the chord puts the centre on the chord, keeping the radius.
    {"ShortRadiusKeepsItsOwnRadius", {0, 0}, {25400000, 0},
     {0.25, 0.0, 0.0, true}, kInch, {6350000, 0, 6350000}},
    {"SlantedChordByRadius", {1000000, 2000000}, {3000000, 500000},
     {2.0, 0.0, 0.0, true}, kMillimetre, {1063250, 1001, 2000000}},
    {"SlantedChordByRadiusCounterClockwise", {1000000, 2000000}, {3000000, 500000},
     {2.0, 0.0, 0.0, false}, kMillimetre, {2936749, 2498999, -2000000}},
    {"SlantedChordByOffsets", {1000000, 2000000}, {3000000, 500000},
     {0.0, 0.06325, 1.999, true}, kMillimetre, {1063250, 1000, 2000000}},
};
// clang-format on

class ArcCentreCases : public ::testing::TestWithParam<ArcCase> {};

TEST_P(ArcCentreCases, PlacesTheCentre) {
    const ArcCase& c = GetParam();
    ArcCentre::Vertex centre{};
    ASSERT_TRUE(ArcCentre::Place(c.start, c.end, c.words, LengthConverter(c.unitLength), centre));
    EXPECT_EQ(centre.x, c.centre.x);
    EXPECT_EQ(centre.y, c.centre.y);
    EXPECT_EQ(centre.r, c.centre.r);
}

INSTANTIATE_TEST_SUITE_P(Arcs, ArcCentreCases, ::testing::ValuesIn(kArcCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ArcCentreRange, RefusesRadiusAndCentreBeyond32Bits) {
    const LengthConverter inches(kInch);
    ArcCentre::Vertex centre{1, 2, 3};
    EXPECT_FALSE(ArcCentre::Place({0, 0}, {25400000, 0}, {100.0, 0.0, 0.0, true}, inches, centre));
    EXPECT_FALSE(ArcCentre::Place({2000000000, 0}, {2000000000, 25400000}, {0.0, 10.0, 0.0, true},
                                  inches, centre));
    EXPECT_EQ(centre.x, 1);
    EXPECT_EQ(centre.r, 3);
}

}  // namespace
