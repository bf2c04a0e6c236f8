#pragma once

#include "perforex/Export.h"

// Declares, inside a concrete geometry class, its overrides of slots 0 to 12.
#define PERFOREX_GEOMETRY_SLOTS                                                           \
    int IsShape() const override;                                                         \
    int GetWidth() const override;                                                        \
    void SetWidth(int width) override;                                                    \
    CVbVrtxGeom* ToShape() const override;                                                \
    CVbVrtxGeom* ToPath(int width) const override;                                        \
    void GetExtents(int* xmin, int* ymin, int* xmax, int* ymax) const override;           \
    void MirrorY() override;                                                              \
    void MirrorX() override;                                                              \
    CVbVrtxGeom* Rotate(int angle, int cx, int cy) override;                              \
    void Translate(int dx, int dy) override;                                              \
    CVbVrtxGeom* Transform(int mirror, int angle, int dx, int dy, double scale) override; \
    int Validate() override;                                                              \
    void Reserved(int) override;

// Kind codes held in bits 0-4 of a geometry record's header word.
enum GeomKind : int {
    GEOM_CIRCLE_PATH = 1,
    GEOM_CIRCLE_SHAPE = 2,
    GEOM_RECT_PATH = 3,
    GEOM_RECT_SHAPE = 4,
    GEOM_POLYLINE_PATH = 5,
    GEOM_POLYLINE_SHAPE = 6,
    GEOM_POLYARC_PATH = 7,
    GEOM_POLYARC_SHAPE = 8,
};

// Base of the geometry family through which contours reach the host. Each object owns one
// geometry record: a flat array of 32-bit words whose first word holds the kind and the flags.
// The order of the virtual operations is part of the interface with the host.
class PERFOREX_API CVbVrtxGeom {
  public:
    // Bits of the header word.
    static constexpr int kGeomKindMask = 0x1F;
    static constexpr int kBreaksBit = 1 << 5;
    static constexpr int kCounterClockwiseBit = 1 << 6;
    static constexpr int kUserFlagBit = 1 << 7;
    static constexpr int kClosedBit = 1 << 8;
    static constexpr int kAuxCodeShift = 9;
    static constexpr int kAuxCodeMask = 0x7 << kAuxCodeShift;
    static constexpr int kAuxFlagBit = 1 << 12;
    // Value of any word of a break marker vertex.
    static constexpr int kBreakMarker = -2147483647 - 1;

    // Returns 1 for the filled kinds (shapes), 0 for the stroked ones (paths).
    virtual int IsShape() const = 0;
    // Returns a path's full stroke width; 0 for a shape.
    virtual int GetWidth() const = 0;
    // Sets a path's stroke width; does nothing on a shape.
    virtual void SetWidth(int width) = 0;
    // Returns a new shape of the same kind bounded by this path, or null (always for a shape).
    virtual CVbVrtxGeom* ToShape() const = 0;
    // Returns a new path of the same kind and the given width along this shape's outline, or
    // null (always for a path).
    virtual CVbVrtxGeom* ToPath(int width) const = 0;
    // Writes the bounding box; a path's centre line box is grown by half the width.
    virtual void GetExtents(int* xmin, int* ymin, int* xmax, int* ymax) const = 0;
    // Mirrors about the x axis by negating every y.
    virtual void MirrorY() = 0;
    // Mirrors about the y axis by negating every x.
    virtual void MirrorX() = 0;
    // Rotates about (cx, cy) by angle ten-thousandths of a degree, counter-clockwise when
    // positive; returns a new replacement object for kinds that cannot rotate, otherwise null.
    virtual CVbVrtxGeom* Rotate(int angle, int cx, int cy) = 0;
    // Moves by (dx, dy); coordinates saturate at +-2147483647.
    virtual void Translate(int dx, int dy) = 0;
    // Scales (unless scale is 0.0 or 1.0), mirrors about the x axis when mirror is non-zero,
    // rotates about the origin and translates, in that order; returns Rotate's replacement.
    virtual CVbVrtxGeom* Transform(int mirror, int angle, int dx, int dy, double scale) = 0;
    // Normalises the record; returns 1 when the geometry is usable, 0 when it is degenerate.
    virtual int Validate() = 0;
    // Holds its slot; does nothing.
    virtual void Reserved(int) = 0;
    // Frees the record.
    virtual ~CVbVrtxGeom();

    // Returns the geometry record, for hosts that copy what they receive.
    const int* GetRecord() const { return record; }
    // Returns the number of words in the geometry record.
    int GetWordCount() const { return wordCount; }

    // Sets the CounterClockwise bit when on is non-zero, clears it otherwise.
    void SetCounterClockwise(int on);
    // Sets the UserFlag bit when on is non-zero, clears it otherwise.
    void SetUserFlag(int on);
    // Sets the AuxFlag bit when on is non-zero, clears it otherwise.
    void SetAuxFlag(int on);
    // Returns 1 when the CounterClockwise bit is set, 0 otherwise.
    int GetCounterClockwise() const;
    // Returns 1 when the UserFlag bit is set, 0 otherwise.
    int GetUserFlag() const;
    // Returns 1 when the AuxFlag bit is set, 0 otherwise.
    int GetAuxFlag() const;

  protected:
    // Makes a record of words words: the kind in the header, -1 in every other word.
    CVbVrtxGeom(int kind, int words);
    // Copies count words of a record verbatim, padding with zeros up to minimumWords.
    CVbVrtxGeom(const int* words, int count, int minimumWords);
    CVbVrtxGeom(const CVbVrtxGeom&) = delete;
    CVbVrtxGeom& operator=(const CVbVrtxGeom&) = delete;

    // Tells whether bit is set in the header word.
    bool HasHeaderBit(int bit) const { return (record[0] & bit) != 0; }
    // Sets bit in the header word when on is non-zero and clears it otherwise.
    void SetHeaderBit(int bit, int on);
    // Replaces the kind code in the header word, keeping every flag.
    void SetKind(int kind);
    // Returns a new array holding a copy of the words after the first headWords.
    int* CopyVertexWords(int headWords) const;
    // Replaces the words after the first headWords, reallocating when the count changes.
    void ReplaceVertexWords(int headWords, const int* words, int count);
    // Runs the mirror, rotation and translation steps of Transform after the scaling step.
    CVbVrtxGeom* MirrorRotateTranslate(int mirror, int angle, int dx, int dy);

    // Owned geometry record: the header word, then the words of the kind.
    int* record;
    // Number of words in the record, at least 1.
    int wordCount;
};

// Returns the kind code (1-8) of a record's header word, 0 for any other value.
PERFOREX_API int GetKind(const int* record);
// Returns the auxiliary code of a record's header word; a stored 4 reads as 2.
PERFOREX_API int GetAuxCode(const int* record);
// Builds a new object of the record's kind, or returns null for an unknown kind.
PERFOREX_API CVbVrtxGeom* CreateFromRecord(const int* record, int words);
