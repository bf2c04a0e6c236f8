#pragma once

#include "perforex/Export.h"

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

    virtual int IsShape() const = 0;
    virtual int GetWidth() const = 0;
    virtual void SetWidth(int width) = 0;
    virtual CVbVrtxGeom* ToShape() const = 0;
    virtual CVbVrtxGeom* ToPath(int width) const = 0;
    virtual void GetExtents(int* xmin, int* ymin, int* xmax, int* ymax) const = 0;
    virtual void MirrorY() = 0;
    virtual void MirrorX() = 0;
    virtual CVbVrtxGeom* Rotate(int angle, int cx, int cy) = 0;
    virtual void Translate(int dx, int dy) = 0;
    virtual CVbVrtxGeom* Transform(int mirror, int angle, int dx, int dy, double scale) = 0;
    virtual int Validate() = 0;
    virtual void Reserved(int) = 0;
    virtual ~CVbVrtxGeom();

    // The geometry record, for hosts that copy what they receive.
    const int* GetRecord() const { return record; }
    int GetWordCount() const { return wordCount; }

    void SetCounterClockwise(int on);
    void SetUserFlag(int on);
    void SetAuxFlag(int on);

protected:
    CVbVrtxGeom(int* record, int wordCount);
    CVbVrtxGeom(const CVbVrtxGeom&) = delete;
    CVbVrtxGeom& operator=(const CVbVrtxGeom&) = delete;

    int* record;
    int wordCount;
};

// Returns the kind code (1-8) of a record's header word, 0 for any other value.
PERFOREX_API int GetKind(const int* record);
// Returns the auxiliary code of a record's header word; a stored 4 reads as 2.
PERFOREX_API int GetAuxCode(const int* record);
// Builds a new object of the record's kind, or returns null for an unknown kind.
PERFOREX_API CVbVrtxGeom* CreateFromRecord(const int* record, int words);
