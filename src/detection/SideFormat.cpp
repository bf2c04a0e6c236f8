#include "detection/SideFormat.h"

void SideFormat::StateDigits(int integerDigits, int decimalDigits) {
    integerDigits_ = integerDigits;
    decimalDigits_ = decimalDigits;
}

DrillFormat SideFormat::ApplyTo(DrillFormat format) const {
    if (StatesUnit()) {
        format.unit = unit_;
    }
    if (StatesDigits()) {
        format.integerDigits = integerDigits_;
        format.decimalDigits = decimalDigits_;
    }
    if (StatesZeroTruncation()) {
        format.zeroTruncation = zeroTruncation_;
    }
    if (StatesStepMode()) {
        format.stepMode = stepMode_;
    }
    return format;
}

void SideFormat::Overlay(const SideFormat& other) {
    if (other.StatesUnit()) {
        unit_ = other.unit_;
    }
    if (other.StatesDigits()) {
        StateDigits(other.integerDigits_, other.decimalDigits_);
    }
    if (other.StatesZeroTruncation()) {
        zeroTruncation_ = other.zeroTruncation_;
    }
    if (other.StatesStepMode()) {
        stepMode_ = other.stepMode_;
    }
}

SideFormat SideFormat::Keeping(bool unit, bool zeroTruncation, bool digits) const {
    SideFormat kept = *this;
    if (!unit) {
        kept.unit_ = 0;
    }
    if (!zeroTruncation) {
        kept.zeroTruncation_ = -1;
    }
    if (!digits) {
        kept.integerDigits_ = kept.decimalDigits_ = -1;
    }
    return kept;
}
