#pragma once

#include "geometry/GeomRecordView.h"
#include "geometry/RecordLayout.h"

// Defines, for a geometry class whose record follows layout, the slots that every kind fills
// alike: the stroke width (the word after the header of a path; a shape has none), the mirrors,
// the translation, the transformation and the reserved slot.
#define PERFOREX_DEFINE_RECORD_SLOTS(Class, layout)                                      \
    int Class::IsShape() const {                                                         \
        return layout.HasWidth() ? 0 : 1;                                                \
    }                                                                                    \
    int Class::GetWidth() const {                                                        \
        return layout.HasWidth() ? record[1] : 0;                                        \
    }                                                                                    \
    void Class::SetWidth(int width) {                                                    \
        if (layout.HasWidth()) {                                                         \
            record[1] = width;                                                           \
        }                                                                                \
    }                                                                                    \
    void Class::MirrorY() {                                                              \
        GeomRecordView(record, wordCount, layout).MirrorY();                             \
    }                                                                                    \
    void Class::MirrorX() {                                                              \
        GeomRecordView(record, wordCount, layout).MirrorX();                             \
    }                                                                                    \
    void Class::Translate(int dx, int dy) {                                              \
        GeomRecordView(record, wordCount, layout).Translate(dx, dy);                     \
    }                                                                                    \
    CVbVrtxGeom* Class::Transform(int mirror, int angle, int dx, int dy, double scale) { \
        GeomRecordView(record, wordCount, layout).Scale(scale);                          \
        return MirrorRotateTranslate(mirror, angle, dx, dy);                             \
    }                                                                                    \
    void Class::Reserved(int) {}

// Defines the Rotate slot of a kind that turns in place, vertex by vertex, and never needs a
// replacement object.
#define PERFOREX_DEFINE_VERTEX_ROTATION(Class, layout)                   \
    CVbVrtxGeom* Class::Rotate(int angle, int cx, int cy) {              \
        GeomRecordView(record, wordCount, layout).Rotate(angle, cx, cy); \
        return nullptr;                                                  \
    }
