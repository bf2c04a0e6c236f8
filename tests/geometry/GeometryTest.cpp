#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "perforex/perforex.h"

namespace {

// An object returned by a conversion, owned by the test.
using Owned = std::unique_ptr<CVbVrtxGeom>;

// Returns a copy of an object's geometry record.
std::vector<int> Words(const CVbVrtxGeom& geom) {
    return std::vector<int>(geom.GetRecord(), geom.GetRecord() + geom.GetWordCount());
}

// Returns GetExtents as {xmin, ymin, xmax, ymax}.
std::array<int, 4> Extents(const CVbVrtxGeom& geom) {
    std::array<int, 4> box{};
    geom.GetExtents(&box[0], &box[1], &box[2], &box[3]);
    return box;
}

// Returns the vertex words of a polyline or polyarc object: the words after the header, and
// after the width of a path.
std::vector<int> VertexWords(const CVbVrtxGeom& geom) {
    const int head = geom.IsShape() ? 1 : 2;
    return std::vector<int>(geom.GetRecord() + head, geom.GetRecord() + geom.GetWordCount());
}

using Vertices = std::vector<int>;
using Box = std::array<int, 4>;

constexpr int kMin = -2147483647 - 1;
constexpr int kMax = 2147483647;
constexpr int kBreaks = CVbVrtxGeom::kBreaksBit;
constexpr int kCcw = CVbVrtxGeom::kCounterClockwiseBit;
constexpr int kUser = CVbVrtxGeom::kUserFlagBit;
constexpr int kClosed = CVbVrtxGeom::kClosedBit;

// One sample object of each class, with the records that the moving operations must leave.
// The sample coordinates are odd so that scaling by 0.5 exercises rounding half away from zero.
struct KindCase {
    std::string name;
    std::function<CVbVrtxGeom*()> make;
    Vertices scaledByHalf, mirroredY, mirroredX;
    Vertices translated;  // by (3, -4)
    Vertices rotated;     // by 90 degrees about the origin; empty for rectangles
};

const std::vector<KindCase>& KindCases() {
    static const int polyline[] = {-3, 5, 9, 11, 1, -1};
    static const int polyarc[] = {-3, 5, 0, 9, 11, -3, 1, -1, 0};
    // clang-format off
    static const std::vector<KindCase> cases = {
        {"CirclePath", [] { return new CVbCirclePath(7, -3, 5, 9, 1, 0); },
         {1 | kUser, 4, -2, 3, 5}, {1 | kUser, 7, -3, -5, 9}, {1 | kUser, 7, 3, 5, 9},
         {1 | kUser, 7, 0, 1, 9}, {1 | kUser, 7, -5, -3, 9}},
        {"CircleShape", [] { return new CVbCircleShape(-3, 5, 9, 1, 0); },
         {2 | kUser, -2, 3, 5}, {2 | kUser, -3, -5, 9}, {2 | kUser, 3, 5, 9},
         {2 | kUser, 0, 1, 9}, {2 | kUser, -5, -3, 9}},
        {"RectPath", [] { return new CVbRectPath(7, -3, 5, 9, 11, 1, 0); },
         {3 | kUser, 4, -2, 3, 5, 6}, {3 | kUser, 7, -3, -11, 9, -5}, {3 | kUser, 7, -9, 5, 3, 11},
         {3 | kUser, 7, 0, 1, 12, 7}, {}},
        {"RectShape", [] { return new CVbRectShape(-3, 5, 9, 11, 1, 0); },
         {4 | kUser, -2, 3, 5, 6}, {4 | kUser, -3, -11, 9, -5}, {4 | kUser, -9, 5, 3, 11},
         {4 | kUser, 0, 1, 12, 7}, {}},
        {"PolylinePath", [] { return new CVbPolylinePath(7, polyline, 6, 1, 1, 0, 0); },
         {5 | kUser | kClosed, 4, -2, 3, 5, 6, 1, -1},
         {5 | kUser | kClosed, 7, -3, -5, 9, -11, 1, 1},
         {5 | kUser | kClosed, 7, 3, 5, -9, 11, -1, -1},
         {5 | kUser | kClosed, 7, 0, 1, 12, 7, 4, -5},
         {5 | kUser | kClosed, 7, -5, -3, -11, 9, 1, 1}},
        {"PolylineShape", [] { return new CVbPolylineShape(polyline, 6, 1, 0); },
         {6 | kUser, -2, 3, 5, 6, 1, -1}, {6 | kUser, -3, -5, 9, -11, 1, 1},
         {6 | kUser, 3, 5, -9, 11, -1, -1}, {6 | kUser, 0, 1, 12, 7, 4, -5},
         {6 | kUser, -5, -3, -11, 9, 1, 1}},
        {"PolyarcPath", [] { return new CVbPolyarcPath(7, polyarc, 9, 1, 1, 0, 0); },
         {7 | kUser | kClosed, 4, -2, 3, 0, 5, 6, -2, 1, -1, 0},
         {7 | kUser | kClosed, 7, -3, -5, 0, 9, -11, 3, 1, 1, 0},
         {7 | kUser | kClosed, 7, 3, 5, 0, -9, 11, 3, -1, -1, 0},
         {7 | kUser | kClosed, 7, 0, 1, 0, 12, 7, -3, 4, -5, 0},
         {7 | kUser | kClosed, 7, -5, -3, 0, -11, 9, -3, 1, 1, 0}},
        {"PolyarcShape", [] { return new CVbPolyarcShape(polyarc, 9, 1, 0); },
         {8 | kUser, -2, 3, 0, 5, 6, -2, 1, -1, 0}, {8 | kUser, -3, -5, 0, 9, -11, 3, 1, 1, 0},
         {8 | kUser, 3, 5, 0, -9, 11, 3, -1, -1, 0}, {8 | kUser, 0, 1, 0, 12, 7, -3, 4, -5, 0},
         {8 | kUser, -5, -3, 0, -11, 9, -3, 1, 1, 0}},
    };
    // clang-format on
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
    const Owned shortCopy(CreateFromRecord(geom->GetRecord(), geom->GetWordCount() - 1));
    EXPECT_EQ(shortCopy == nullptr, GetKind(geom->GetRecord()) <= GEOM_RECT_SHAPE);
}

// Clears bit with set(0), sets it with set(3) and clears it again, expecting get to read it back
// as 0 or 1 and no other bit or word of geom to change.
template <class Set, class Get>
void ExpectFlag(const CVbVrtxGeom& geom, int bit, Set set, Get get) {
    SCOPED_TRACE(bit);
    set(0);
    const Vertices cleared = Words(geom);
    EXPECT_EQ(get(), 0);
    set(3);
    EXPECT_EQ(get(), 1);
    Vertices expected = cleared;
    expected[0] |= bit;
    EXPECT_EQ(Words(geom), expected);
    set(0);
    EXPECT_EQ(Words(geom), cleared);
}

TEST_P(GeometryKinds, ReadsBackEachFlagItsSetterSetsAndTouchesNoOtherBit) {
    const Owned owned = Make();
    CVbVrtxGeom& g = *owned;
    ExpectFlag(
        g, kCcw, [&](int on) { g.SetCounterClockwise(on); },
        [&] { return g.GetCounterClockwise(); });
    ExpectFlag(
        g, kUser, [&](int on) { g.SetUserFlag(on); }, [&] { return g.GetUserFlag(); });
    ExpectFlag(
        g, CVbVrtxGeom::kAuxFlagBit, [&](int on) { g.SetAuxFlag(on); },
        [&] { return g.GetAuxFlag(); });
}

// Closed and Breaks are flags of the polyline and polyarc paths alone.
TEST(PathFlags, ReadBackAsTheirSettersSetThemAndTouchNoOtherBit) {
    const int words[] = {-3, 5, 0, 9, 11, -3, 1, -1, 0};
    CVbPolylinePath line(7, words, 6, 1, 1, 0, 0);
    CVbPolyarcPath arc(7, words, 9, 1, 1, 0, 0);
    const auto expectBoth = [](auto& path) {
        ExpectFlag(
            path, kClosed, [&](int on) { path.SetClosed(on); }, [&] { return path.GetClosed(); });
        ExpectFlag(
            path, kBreaks, [&](int on) { path.SetBreaks(on); }, [&] { return path.GetBreaks(); });
    };
    expectBoth(line);
    expectBoth(arc);
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

// A disc flattened at a step: the vertex count and the first vertices; no polygon at count 0.
struct CirclePolygonCase {
    int r, step, counterClockwise, count;
    Vertices start;
    int cx = 0;
};

TEST(CircleToPolygon, PlacesVerticesOnTheChordRadius) {
    const CirclePolygonCase cases[] = {
        // R = 1000 * (0.5 + 1 / (2 cos 45)) = 1207.1
        {1000, 90, 0, 4, {1207, 0, 0, -1207, -1207, 0, 0, 1207}},
        {1000, 90, 1, 4, {1207, 0, 0, 1207, -1207, 0, 0, -1207}},
        // 360 / 7 = 51 vertices; R = 1000.95
        {1000, 7, 0, 51, {1000, 0, 993, -123, 970, -244}},
        // Vertices on the last x of the 32-bit range are in range.
        {0, 90, 0, 4, {-kMax, 0, -kMax, 0}, -kMax},
        // One vertex: the chord radius of a full-turn chord is 0.
        {1000, 360, 0, 1, {0, 0}},
        // Two vertices: cos 90 is nearly 0 and the chord radius explodes.
        {1000, 180, 0, 0, {}},
        {0, 180, 0, 2, {0, 0, 0, 0}},
        {1000, 0, 0, 0, {}},
        {1000, 361, 0, 0, {}},
        // R = 2414213562, beyond the 32-bit range.
        {2000000000, 90, 0, 0, {}},
    };
    for (const CirclePolygonCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "r " << c.r << " step " << c.step);
        const Owned polygon(CVbCircleShape(c.cx, 0, c.r, 0, c.counterClockwise).ToPolygon(c.step));
        ASSERT_EQ(polygon != nullptr, c.count != 0);
        if (polygon != nullptr) {
            const Vertices words = VertexWords(*polygon);
            ASSERT_EQ(words.size(), 2u * c.count);
            EXPECT_EQ(Vertices(words.begin(), words.begin() + c.start.size()), c.start);
        }
    }
}

TEST(CircleToPolygon, PathGivesAClosedPolylineWithItsWidthAndFlags) {
    // The last vertex's x is 10 + cos(270 degrees) * R, a hair below 10, truncated to 9.
    const CVbCirclePath ring(6, 10, 20, 1000, 1, 1);
    const Owned polygon(ring.ToPolygon(90));
    ASSERT_NE(polygon, nullptr);
    EXPECT_EQ(Words(*polygon),
              (Vertices{5 | kClosed | kUser | kCcw, 6, 1217, 20, 10, 1227, -1197, 20, 9, -1187}));
}

TEST(FixedValidate, AcceptsAnyCircleButOrdersOrRejectsARectangle) {
    CVbCircleShape disc(0, 0, -5, 0, 0);
    CVbCirclePath ring(-3, 0, 0, -5, 0, 0);
    CVbRectShape reversed(10, 20, 0, 5, 0, 0), flat(0, 0, 0, 10, 0, 0);
    CVbRectPath path(-4, 5, 5, 5, 9, 0, 0);
    EXPECT_EQ(disc.Validate(), 1);
    EXPECT_EQ(ring.Validate(), 1);
    EXPECT_EQ(reversed.Validate(), 1);
    EXPECT_EQ(flat.Validate(), 0);
    EXPECT_EQ(path.Validate(), 0);
    // A negative width is cleared; the corners come out ordered.
    EXPECT_EQ(Words(ring), (Vertices{1, 0, 0, 0, -5}));
    EXPECT_EQ(Words(reversed), (Vertices{4, 0, 5, 10, 20}));
    EXPECT_EQ(Words(flat), (Vertices{4, 0, 0, 0, 10}));
    EXPECT_EQ(path.GetWidth(), 0);
}

TEST(RectRotate, YieldsARotatedPolylineAndLeavesTheRectangle) {
    CVbRectPath path(4, 1, 0, 10, 5, 1, 1);
    EXPECT_EQ(path.Rotate(0, 0, 0), nullptr);
    const Owned turned(path.Rotate(900000, 0, 0));
    ASSERT_NE(turned, nullptr);
    EXPECT_EQ(Words(*turned), (Vertices{5 | kClosed, 4, 0, 1, 0, 10, -5, 10, -5, 1}));
    EXPECT_EQ(Words(path), (Vertices{3 | kUser | kCcw, 4, 1, 0, 10, 5}));

    CVbRectShape shape(0, 0, 10, 4, 1, 0);
    const Owned tilted(shape.Rotate(300000, 0, 0));
    ASSERT_NE(tilted, nullptr);
    EXPECT_EQ(Words(*tilted), (Vertices{6 | kUser, 0, 0, 9, 5, 7, 8, -2, 3}));
}

CVbPolylinePath ClosedPath(const Vertices& vertices) {
    return CVbPolylinePath(3, vertices.data(), static_cast<int>(vertices.size()), 1, 0, 0, 0);
}

// A contour before and after Validate; an empty after means unchanged.
struct ValidateCase {
    Vertices vertices;
    int closedBefore, result;
    Vertices after;
    bool closedAfter;
};

// Validates the object make builds of each case's contour: its result, its vertices and its
// Closed bit.
template <std::size_t N, class Make>
void ExpectValidated(const ValidateCase (&cases)[N], Make make) {
    for (const ValidateCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.vertices));
        auto geom = make(c);
        EXPECT_EQ(geom.Validate(), c.result);
        EXPECT_EQ(VertexWords(geom), c.after.empty() ? c.vertices : c.after);
        EXPECT_EQ((geom.GetRecord()[0] & kClosed) != 0, c.closedAfter);
    }
}

TEST(PolylinePathValidate, DropsRepeatsOpensWhatDoesNotCloseAndClearsANegativeWidth) {
    const ValidateCase cases[] = {
        {{}, 1, 0, {}, true},
        {{4, 4}, 1, 0, {4, 4}, true},
        {{0, 0, 10, 0}, 1, 1, {0, 0, 10, 0}, false},
        {{0, 0, 0, 0}, 1, 0, {0, 0}, true},
        {{0, 0, 10, 0, 10, 10, 0, 0}, 1, 1, {0, 0, 10, 0, 10, 10, 0, 0}, false},
        {{0, 0, 5, 5, 5, 5, 9, 0}, 1, 1, {0, 0, 5, 5, 9, 0}, true},
        {{0, 0, 0, 0, 7, 0, 7, 0}, 1, 1, {0, 0, 7, 0}, false},
        {{1, 1, 2, 2, 1, 1, 1, 1}, 1, 1, {1, 1, 2, 2, 1, 1}, false},
    };
    ExpectValidated(cases, [](const ValidateCase& c) { return ClosedPath(c.vertices); });
    const int vertices[] = {0, 0, 10, 0};
    CVbPolylinePath negative(-8, vertices, 4, 0, 0, 0, 0);
    EXPECT_EQ(negative.Validate(), 1);
    EXPECT_EQ(negative.GetWidth(), 0);
}

TEST(PolylineShapeValidate, KeepsThreeDistinctVerticesWithoutAClosingRepeat) {
    const ValidateCase cases[] = {
        {{0, 0, 10, 0, 10, 10, 0, 0}, 0, 1, {0, 0, 10, 0, 10, 10}, false},
        {{0, 0, 10, 0, 10, 0, 0, 0}, 0, 0, {0, 0, 10, 0}, false},
        {{0, 0, 10, 0, 10, 10}, 0, 1, {0, 0, 10, 0, 10, 10}, false},
        {{0, 0, 10, 0}, 0, 0, {0, 0, 10, 0}, false},
        {{3, 3, 3, 3, 3, 3}, 0, 0, {3, 3}, false},
    };
    ExpectValidated(cases, [](const ValidateCase& c) {
        return CVbPolylineShape(c.vertices.data(), static_cast<int>(c.vertices.size()), 0, 0);
    });
}

CVbPolyarcPath Path(const Vertices& vertices, int closed = 0) {
    return CVbPolyarcPath(2, vertices.data(), static_cast<int>(vertices.size()), closed, 0, 0, 0);
}

CVbPolyarcShape Shape(const Vertices& vertices) {
    return CVbPolyarcShape(vertices.data(), static_cast<int>(vertices.size()), 0, 0);
}

TEST(PolyarcPathValidate, NormalisesTheContour) {
    const ValidateCase cases[] = {
        {{}, 0, 0, {}, false},
        {{1, 1, 0}, 1, 0, {}, true},
        {{0, 0, 0, 9, 0, 0}, 1, 1, {}, false},
        {{9, 0, 0, 0, 0, 9}, 0, 1, {}, true},  // a point and its centre: a full circle
        {{4, 4, 0, 4, 4, 0}, 0, 1, {}, false},
        {{9, 0, 0, 0, 0, 9, 9, 0, 0}, 1, 1, {}, false},
        {{1, 1, 0, 1, 1, 0, 5, 5, 0}, 1, 1, {1, 1, 0, 5, 5, 0}, false},
        {{1, 1, 0, 1, 1, 7, 5, 5, 0, 9, 9, 0}, 0, 1, {1, 1, 0, 5, 5, 0, 9, 9, 0}, false},
        {{0, 0, 0, 5, 0, 5, 6, 0, 6, 10, 0, 0}, 0, 0, {}, false},  // two differing centres
        {{0, 0, 0, 5, 0, 5, 5, 0, 5, 10, 0, 0}, 0, 1, {0, 0, 0, 5, 0, 5, 10, 0, 0}, false},
        {{9, 0, 0, 0, 9, 0, 0, 0, -9}, 0, 1, {}, true},  // the last centre closes
        {{3, 3, 0, 3, 3, 0, 3, 3, 0}, 0, 0, {3, 3, 0}, false},
    };
    ExpectValidated(cases, [](const ValidateCase& c) { return Path(c.vertices, c.closedBefore); });
}

TEST(PolyarcShapeValidate, KeepsAnAreaWithoutAClosingRepeat) {
    const ValidateCase cases[] = {
        {{9, 0, 0, 0, 0, 9}, 0, 1, {}, false},
        {{9, 0, 0, 0, 0, 0}, 0, 0, {}, false},
        {{0, 0, 0, 9, 0, 0, 9, 9, 0, 0, 0, 0}, 0, 1, {0, 0, 0, 9, 0, 0, 9, 9, 0}, false},
        {{9, 0, 0, 0, 0, 9, 9, 0, 0}, 0, 1, {9, 0, 0, 0, 0, 9}, false},
        {{9, 0, 0, 0, 0, 9, 1, 0, 9}, 0, 0, {}, false},
        {{0, 0, 0, 9, 0, 0, 9, 0, 0, 0, 0, 0}, 0, 0, {0, 0, 0, 9, 0, 0}, false},
    };
    ExpectValidated(cases, [](const ValidateCase& c) { return Shape(c.vertices); });
}

// A closed path without breaks bounds a shape of its vertices, as does an open one whose ends are
// equal (in x, y and r), without the repeat.
TEST(PathToShape, NeedsAClosedPathWithoutBreaksOrEqualEnds) {
    const Vertices triangle = {0, 0, 10, 0, 10, 10}, repeat = {0, 0, 10, 0, 10, 10, 0, 0};
    const Vertices arc = {1000, 0, 0, 0, 0, -1000, 0, 1000, 0}, ends = {5, 5, 0, 0, 0, 7, 5, 5, 0};
    const auto line = [](const Vertices& v, int closed, int breaks) {
        return Owned(new CVbPolylinePath(3, v.data(), int(v.size()), closed, 0, 0, breaks));
    };
    const auto arcs = [](const Vertices& v, int closed, int breaks) {
        return Owned(new CVbPolyarcPath(2, v.data(), int(v.size()), closed, 0, 0, breaks));
    };
    const struct {
        Owned path;
        Vertices shape;  // the record of the shape; empty: no shape
    } cases[] = {
        {line(repeat, 0, 0), {6, 0, 0, 10, 0, 10, 10}},
        {line(triangle, 1, 0), {6, 0, 0, 10, 0, 10, 10}},
        {line(triangle, 0, 0), {}},
        {line(triangle, 1, 1), {}},
        {arcs(arc, 1, 0), {8, 1000, 0, 0, 0, 0, -1000, 0, 1000, 0}},
        {arcs(ends, 0, 0), {8, 5, 5, 0, 0, 0, 7}},
        {arcs(arc, 0, 0), {}},
        {arcs(arc, 1, 1), {}},
    };
    for (const auto& [path, shape] : cases) {
        const Owned made(path->ToShape());
        EXPECT_EQ(made == nullptr ? Vertices{} : Words(*made), shape)
            << testing::PrintToString(Words(*path));
    }
}

TEST(Extents, CoverTheOutlineAndHalfThePathWidthAndSaturate) {
    const int edge[] = {kMax, 0, 0, kMin + 1};
    const auto arcs = [](const Vertices& v, int width = -1) {
        return Owned(width < 0 ? static_cast<CVbVrtxGeom*>(
                                     new CVbPolyarcShape(v.data(), int(v.size()), 0, 0))
                               : new CVbPolyarcPath(width, v.data(), int(v.size()), 0, 0, 0, 0));
    };
    const struct {
        Owned geom;
        Box box;
    } cases[] = {
        {Owned(new CVbCirclePath(25, 0, 0, 100, 0, 0)), {-112, -112, 112, 112}},
        {Owned(new CVbCircleShape(10, -20, 5, 0, 0)), {5, -25, 15, -15}},
        {Owned(new CVbCircleShape(2147483000, 0, 1000, 0, 0)), {2147482000, -1000, kMax, 1000}},
        {Owned(new CVbRectPath(5, 0, 0, 10, 10, 0, 0)), {-2, -2, 12, 12}},
        {Owned(new CVbRectShape(10, 20, 0, 5, 0, 0)), {10, 20, 0, 5}},
        // No vertex: every minimum above every maximum.
        {Owned(new CVbPolylinePath(0, nullptr, 0, 0, 0, 0, 0)), {kMax, kMax, kMin, kMin}},
        {Owned(new CVbPolylinePath(10, edge, 4, 0, 0, 0, 0)), {-5, kMin, kMax, 5}},
        {Owned(new CVbPolylineShape(edge, 4, 0, 0)), {0, kMin + 1, kMax, 0}},
        // Polyarcs bound their arcs, not their centres. A point grown by half of width 10.
        {arcs({7, -3, 0}, 10), {2, -8, 12, 2}},
        // Counter-clockwise quarter: the centre (0, 0) is a corner only by coincidence.
        {arcs({1000, 0, 0, 0, 0, -1000, 0, 1000, 0}, 2), {-1, -1, 1001, 1001}},
        // Clockwise from (1000, 0) to (0, 1000): three quarters of the circle.
        {arcs({1000, 0, 0, 0, 0, 1000, 0, 1000, 0}), {-1000, -1000, 1000, 1000}},
        // A short arc about a far centre: the centre stays outside the box.
        {arcs({600, 800, 0, 0, 0, -1000, 0, 1000, 0}), {0, 800, 600, 1000}},
        // The full circle of a point followed by its centre; the last centre runs to the first.
        {arcs({10, 0, 0, 0, 0, 10}), {-10, -10, 10, 10}},
        // A last centre runs its arc from the vertex before it to the first: clockwise below
        // (5, 0).
        {arcs({0, 0, 0, 10, 0, 0, 5, 0, 5}), {0, -5, 10, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Extents(*c.geom), c.box) << testing::PrintToString(Words(*c.geom));
    }
}

// GetVertices copies the vertex words out; SetVertices replaces them, of another count, and
// keeps the header and the width.
TEST(VertexWords, AreCopiedOutAndReplaced) {
    const Vertices six = {1, 2, 3, 4, 5, 6};
    const Vertices twelve = {7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    const auto check = [&](auto&& geom) {
        const std::unique_ptr<int[]> copy(geom.GetVertices());
        EXPECT_EQ(Vertices(copy.get(), copy.get() + 6), six);
        Vertices expected(geom.GetRecord(), geom.GetRecord() + geom.GetWordCount() - 6);
        expected.insert(expected.end(), twelve.begin(), twelve.end());
        geom.SetVertices(twelve.data(), 12);
        EXPECT_EQ(Words(geom), expected);
    };
    check(CVbPolylinePath(5, six.data(), 6, 1, 1, 0, 0));
    check(CVbPolylineShape(six.data(), 6, 0, 1));
    check(CVbPolyarcPath(5, six.data(), 6, 0, 0, 1, 1));
    check(CVbPolyarcShape(six.data(), 6, 1, 0));
}

// With the Breaks bit, a vertex holding the smallest integer (here only its y, or x and y of an
// arc path) is a break marker: every move leaves it as it is, and it bounds nothing, nor does an
// arc that starts at it.
TEST(BreakMarkers, StayThroughEveryMoveAndBoundNothing) {
    const Vertices line = {1, 2, 0, kMin, 3, 4};
    const Vertices arcs = {-10, 0, 0, 0, 0, 10, 10, 0, 0, kMin, kMin, 0, 30, 0, 10, 40, 0, 0};
    const std::pair<std::function<void(CVbVrtxGeom&)>, std::pair<Vertices, Vertices>> moves[] = {
        {[](CVbVrtxGeom& g) { g.Translate(1, 0); },
         {{2, 2, 0, kMin, 4, 4},
          {-9, 0, 0, 1, 0, 10, 11, 0, 0, kMin, kMin, 0, 31, 0, 10, 41, 0, 0}}},
        {[](CVbVrtxGeom& g) { g.Translate(0, 1); },
         {{1, 3, 0, kMin, 3, 5},
          {-10, 1, 0, 0, 1, 10, 10, 1, 0, kMin, kMin, 0, 30, 1, 10, 40, 1, 0}}},
        {[](CVbVrtxGeom& g) { g.MirrorX(); },
         {{-1, 2, 0, kMin, -3, 4},
          {10, 0, 0, 0, 0, -10, -10, 0, 0, kMin, kMin, 0, -30, 0, -10, -40, 0, 0}}},
        {[](CVbVrtxGeom& g) { EXPECT_EQ(g.Transform(0, 0, 0, 0, 2.0), nullptr); },
         {{2, 4, 0, kMin, 6, 8},
          {-20, 0, 0, 0, 0, 20, 20, 0, 0, kMin, kMin, 0, 60, 0, 20, 80, 0, 0}}},
        {[](CVbVrtxGeom& g) { EXPECT_EQ(g.Rotate(900000, 0, 0), nullptr); },
         {{-2, 1, 0, kMin, -4, 3},
          {0, -10, 0, 0, 0, 10, 0, 10, 0, kMin, kMin, 0, 0, 30, 10, 0, 40, 0}}},
    };
    for (const auto& [move, expected] : moves) {
        CVbPolylinePath polyline(2, line.data(), 6, 0, 0, 0, 1);
        CVbPolyarcPath polyarc(2, arcs.data(), 18, 0, 0, 0, 1);
        move(polyline);
        move(polyarc);
        EXPECT_EQ(VertexWords(polyline), expected.first);
        EXPECT_EQ(VertexWords(polyarc), expected.second);
    }
    EXPECT_EQ(Extents(CVbPolylinePath(2, line.data(), 6, 0, 0, 0, 1)), (Box{0, 1, 4, 5}));
    EXPECT_EQ(Extents(CVbPolyarcPath(2, arcs.data(), 18, 0, 0, 0, 1)), (Box{-11, -1, 41, 11}));
}

struct FlattenCase {
    const char* name;
    Vertices vertices;
    int step;
    Vertices points;  // empty: no polygon
};

TEST(PolyarcToPolygon, ReplacesArcsByChordsOnTheChordRadius) {
    const FlattenCase cases[] = {
        // n = 2, delta = 45 degrees, R = 1041.196: the single chord point (736, 736).
        {"ccw quarter", {1000, 0, 0, 0, 0, -1000, 0, 1000, 0}, 40, {1000, 0, 736, 736, 0, 1000}},
        {"ccw quarter about (1000, 0)",
         {2000, 0, 0, 1000, 0, -1000, 1000, 1000, 0},
         40,
         {2000, 0, 1736, 736, 1000, 1000}},
        {"no arc", {1, 2, 0, 3, 4, 0, 5, 6, 0}, 40, {1, 2, 3, 4, 5, 6}},
        {"single vertex", {0, 0, 7}, 40, {0, 0}},
        {"step of zero", {1, 2, 0, 3, 4, 0}, 0, {}},
        {"no vertex", {}, 40, {}},
        // A step larger than the sweep gives n = 0: no chord point.
        {"coarse step", {1000, 0, 0, 0, 0, -1000, 0, 1000, 0}, 100, {1000, 0, 0, 1000}},
        // The break marker starts no arc.
        {"break marker", {kMin, kMin, 0, 0, 0, -1000, 0, 1000, 0}, 40, {kMin, kMin, 0, 1000}},
        // A centre in first place starts no arc.
        {"centre first", {0, 0, -1000, 1000, 0, 0, 0, 1000, 0}, 40, {1000, 0, 0, 1000}},
        // n = 2 over a full turn: the chord radius explodes past the 32-bit range.
        {"exploding radius", {1000, 0, 0, 0, 0, -1000}, 179, {}},
        // A full turn from 135 degrees in quarters: n = 4 however the start angle rounds.
        {"quarters", {-10, 10, 0, 0, 0, -14}, 90, {-10, 10, -11, -11, 11, -11, 11, 11}},
    };
    for (const FlattenCase& c : cases) {
        const Owned polygon(Path(c.vertices).ToPolygon(c.step));
        if (c.points.empty()) {
            EXPECT_EQ(polygon, nullptr) << c.name;
        } else {
            ASSERT_NE(polygon, nullptr) << c.name;
            EXPECT_EQ(VertexWords(*polygon), c.points) << c.name;
        }
    }
}

TEST(PolyarcToPolygon, FlattensAFullCircleInEitherDirection) {
    // Step 40: n = 9 chords, so 8 chord points after the start; R = 1032.089.
    const std::pair<Vertices, Vertices> cases[] = {
        {{1000, 0, 0, 0, 0, 1000}, {1000, 0, 790, -663}},
        {{1000, 0, 0, 0, 0, -1000}, {1000, 0, 790, 663}},
    };
    for (const auto& [circle, start] : cases) {
        const Owned polygon(Shape(circle).ToPolygon(40));
        ASSERT_NE(polygon, nullptr);
        const Vertices points = VertexWords(*polygon);
        ASSERT_EQ(points.size(), 18u);
        EXPECT_EQ(Vertices(points.begin(), points.begin() + 4), start);
    }
}

}  // namespace
