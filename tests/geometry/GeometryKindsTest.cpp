#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GeometryTestSupport.h"

namespace {

// One sample object of each class, with the records that the moving operations must leave.
// The sample coordinates are odd so that scaling by 0.5 exercises rounding half away from zero.
struct KindCase {
    std::string name;
    std::function<CVbVrtxGeom*()> make;
    Vertices scaledByHalf, mirroredY, mirroredX;
    Vertices translated;  // by (3, -4)
    Vertices rotated;     // by 90 degrees about the origin; empty for rectangles
};

// Names a case by its class in test output.
void PrintTo(const KindCase& c, std::ostream* os) {
    *os << c.name;
}

const std::vector<KindCase>& KindCases() {
    static const int polyline[] = {-3, 5, 9, 11, 1, -1};
    static const int polyarc[] = {-3, 5, 0, 9, 11, -3, 1, -1, 0};
    static const std::vector<KindCase> cases = {
        {"CirclePath",
         [] { return new CVbCirclePath(7, -3, 5, 9, 1, 0); },
         {1 | kUser, 4, -2, 3, 5},
         {1 | kUser, 7, -3, -5, 9},
         {1 | kUser, 7, 3, 5, 9},
         {1 | kUser, 7, 0, 1, 9},
         {1 | kUser, 7, -5, -3, 9}},
        {"CircleShape",
         [] { return new CVbCircleShape(-3, 5, 9, 1, 0); },
         {2 | kUser, -2, 3, 5},
         {2 | kUser, -3, -5, 9},
         {2 | kUser, 3, 5, 9},
         {2 | kUser, 0, 1, 9},
         {2 | kUser, -5, -3, 9}},
        {"RectPath",
         [] { return new CVbRectPath(7, -3, 5, 9, 11, 1, 0); },
         {3 | kUser, 4, -2, 3, 5, 6},
         {3 | kUser, 7, -3, -11, 9, -5},
         {3 | kUser, 7, -9, 5, 3, 11},
         {3 | kUser, 7, 0, 1, 12, 7},
         {}},
        {"RectShape",
         [] { return new CVbRectShape(-3, 5, 9, 11, 1, 0); },
         {4 | kUser, -2, 3, 5, 6},
         {4 | kUser, -3, -11, 9, -5},
         {4 | kUser, -9, 5, 3, 11},
         {4 | kUser, 0, 1, 12, 7},
         {}},
        {"PolylinePath",
         [] { return new CVbPolylinePath(7, polyline, 6, 1, 1, 0, 0); },
         {5 | kUser | kClosed, 4, -2, 3, 5, 6, 1, -1},
         {5 | kUser | kClosed, 7, -3, -5, 9, -11, 1, 1},
         {5 | kUser | kClosed, 7, 3, 5, -9, 11, -1, -1},
         {5 | kUser | kClosed, 7, 0, 1, 12, 7, 4, -5},
         {5 | kUser | kClosed, 7, -5, -3, -11, 9, 1, 1}},
        {"PolylineShape",
         [] { return new CVbPolylineShape(polyline, 6, 1, 0); },
         {6 | kUser, -2, 3, 5, 6, 1, -1},
         {6 | kUser, -3, -5, 9, -11, 1, 1},
         {6 | kUser, 3, 5, -9, 11, -1, -1},
         {6 | kUser, 0, 1, 12, 7, 4, -5},
         {6 | kUser, -5, -3, -11, 9, 1, 1}},
        {"PolyarcPath",
         [] { return new CVbPolyarcPath(7, polyarc, 9, 1, 1, 0, 0); },
         {7 | kUser | kClosed, 4, -2, 3, 0, 5, 6, -2, 1, -1, 0},
         {7 | kUser | kClosed, 7, -3, -5, 0, 9, -11, 3, 1, 1, 0},
         {7 | kUser | kClosed, 7, 3, 5, 0, -9, 11, 3, -1, -1, 0},
         {7 | kUser | kClosed, 7, 0, 1, 0, 12, 7, -3, 4, -5, 0},
         {7 | kUser | kClosed, 7, -5, -3, 0, -11, 9, -3, 1, 1, 0}},
        {"PolyarcShape",
         [] { return new CVbPolyarcShape(polyarc, 9, 1, 0); },
         {8 | kUser, -2, 3, 0, 5, 6, -2, 1, -1, 0},
         {8 | kUser, -3, -5, 0, 9, -11, 3, 1, 1, 0},
         {8 | kUser, 3, 5, 0, -9, 11, 3, -1, -1, 0},
         {8 | kUser, 0, 1, 0, 12, 7, -3, 4, -5, 0},
         {8 | kUser, -5, -3, 0, -11, 9, -3, 1, 1, 0}},
    };
    return cases;
}

class GeometryKinds : public testing::TestWithParam<KindCase> {
  protected:
    Owned Make() const { return Owned(GetParam().make()); }
    bool IsPath() const { return GetParam().name.find("Path") != std::string::npos; }
};

TEST_P(GeometryKinds, ScalesMirrorsAndTranslatesEveryWord) {
    using Move = std::function<void(CVbVrtxGeom&)>;
    const std::pair<Move, Vertices> moves[] = {
        {[](CVbVrtxGeom& g) { EXPECT_EQ(g.Transform(0, 0, 0, 0, 0.5), nullptr); },
         GetParam().scaledByHalf},
        {[](CVbVrtxGeom& g) { g.MirrorY(); }, GetParam().mirroredY},
        {[](CVbVrtxGeom& g) { g.MirrorX(); }, GetParam().mirroredX},
        {[](CVbVrtxGeom& g) { g.Translate(3, -4); }, GetParam().translated},
    };
    for (const auto& [move, expected] : moves) {
        const Owned geom = Make();
        move(*geom);
        EXPECT_EQ(Words(*geom), expected);
    }
}

TEST_P(GeometryKinds, RotatesInPlaceUnlessItIsARectangle) {
    const Owned geom = Make();
    const Vertices before = Words(*geom);
    const Owned replacement(geom->Rotate(900000, 0, 0));
    EXPECT_EQ(replacement == nullptr, !GetParam().rotated.empty());
    EXPECT_EQ(Words(*geom), GetParam().rotated.empty() ? before : GetParam().rotated);
}

TEST_P(GeometryKinds, HasWidthOnlyAsAPathAndConvertsToTheOtherForm) {
    const Owned geom = Make();
    const int kind = GetKind(geom->GetRecord());
    EXPECT_EQ(geom->IsShape(), IsPath() ? 0 : 1);
    EXPECT_EQ(geom->GetWidth(), IsPath() ? 7 : 0);
    const Owned shape(geom->ToShape());
    const Owned path(geom->ToPath(4));
    if (IsPath()) {
        EXPECT_EQ(path, nullptr);
        ASSERT_NE(shape, nullptr);
        EXPECT_EQ(shape->GetRecord()[0], (kind + 1) | kUser);
        EXPECT_EQ(shape->IsShape(), 1);
    } else {
        EXPECT_EQ(shape, nullptr);
        ASSERT_NE(path, nullptr);
        EXPECT_EQ(GetKind(path->GetRecord()), kind - 1);
        EXPECT_NE(path->GetRecord()[0] & kUser, 0);
        EXPECT_EQ(path->GetWidth(), 4);
    }
}

TEST_P(GeometryKinds, IsRebuiltFromItsRecordButNotFromAShortFixedOne) {
    const Owned geom = Make();
    const Owned copy(CreateFromRecord(geom->GetRecord(), geom->GetWordCount()));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(Words(*copy), Words(*geom));
    EXPECT_EQ(copy->IsShape(), geom->IsShape());
    EXPECT_EQ(copy->GetWidth(), geom->GetWidth());
    const Owned shortCopy(CreateFromRecord(geom->GetRecord(), geom->GetWordCount() - 1));
    EXPECT_EQ(shortCopy == nullptr, GetKind(geom->GetRecord()) <= GEOM_RECT_SHAPE);
}

INSTANTIATE_TEST_SUITE_P(AllEight, GeometryKinds, testing::ValuesIn(KindCases()),
                         [](const testing::TestParamInfo<KindCase>& info) {
                             return info.param.name;
                         });

TEST(GeometryTransform, ScalesThenMirrorsThenRotatesThenTranslates) {
    const int vertex[] = {10, 3};
    CVbPolylineShape shape(vertex, 2, 0, 0);
    // (10, 3) scaled by 2 is (20, 6), mirrored (20, -6), turned a quarter (6, 20), moved (11, 20).
    EXPECT_EQ(shape.Transform(1, 900000, 5, 0, 2.0), nullptr);
    EXPECT_EQ(VertexWords(shape), (Vertices{11, 20}));
}

TEST(GeometryTransform, SaturatesInsteadOfWrapping) {
    const int far[] = {2000000000, -2000000000, 2147483000, kMin};
    CVbPolylineShape scaled(far, 4, 0, 0), moved(far, 4, 0, 0), mirrored(far, 4, 0, 0);
    scaled.Transform(0, 0, 0, 0, 2.0);
    moved.Translate(147483647, -1000);
    mirrored.MirrorY();
    EXPECT_EQ(VertexWords(scaled), (Vertices{kMax, -kMax, kMax, -kMax}));
    EXPECT_EQ(VertexWords(moved), (Vertices{kMax, -2000001000, kMax, -kMax}));
    EXPECT_EQ(VertexWords(mirrored), (Vertices{2000000000, 2000000000, 2147483000, kMax}));
}

}  // namespace
