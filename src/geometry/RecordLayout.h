#pragma once

// Where the vertices of a kind's record lie and how the operations treat them. Fixed-size kinds
// are described as a record of one or two vertices: a circle's centre with its radius as third
// word, a rectangle's two corners.
struct RecordLayout {
    // Words before the first vertex: the header, and the width for paths.
    int headWords;
    // Words per vertex: x, y and, for circles and polyarcs, a radius.
    int stride;
    // Whether the third word is a polyarc radius whose sign, the arc's direction, mirrors negate.
    bool signedRadius;
    // Whether the Breaks header bit applies, making break markers of vertices holding
    // -2147483648 in any word.
    bool breaksAllowed;
    // Number of vertices of a fixed-size kind; 0 for the kinds of any length.
    int fixedVertices;
    // Whether the two vertices are a rectangle's corners, which mirrors keep in order
    // (x1 <= x2, y1 <= y2).
    bool corners = false;

    // Tells whether the record holds a stroke width, the word after the header.
    constexpr bool HasWidth() const { return headWords > 1; }

    // Returns the word count of a fixed-size kind, 0 for the kinds of any length.
    constexpr int FixedWords() const {
        return fixedVertices != 0 ? headWords + fixedVertices * stride : 0;
    }
};

constexpr RecordLayout kCirclePathLayout{2, 3, false, false, 1};
constexpr RecordLayout kCircleShapeLayout{1, 3, false, false, 1};
constexpr RecordLayout kRectPathLayout{2, 2, false, false, 2, true};
constexpr RecordLayout kRectShapeLayout{1, 2, false, false, 2, true};
constexpr RecordLayout kPolylinePathLayout{2, 2, false, true, 0};
constexpr RecordLayout kPolylineShapeLayout{1, 2, false, false, 0};
constexpr RecordLayout kPolyarcPathLayout{2, 3, true, true, 0};
constexpr RecordLayout kPolyarcShapeLayout{1, 3, true, false, 0};
