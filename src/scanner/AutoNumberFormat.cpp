#include "scanner/AutoNumberFormat.h"

AutoNumberFormat::AutoNumberFormat(const CDrillMachineFormat& fallback)
    : fallback(fallback), unit(fallback.unit), zeroTruncation(fallback.zeroTruncation) {}

void AutoNumberFormat::StateUnit(int statedUnit) {
    if ((fallback.overruled & CDrillMachineFormat::OVERRULE_UNIT) == 0) {
        unit = statedUnit;
    }
}

void AutoNumberFormat::StateDigits(int integerDigits, int decimalDigits) {
    if ((fallback.overruled & CDrillMachineFormat::OVERRULE_DATAFORMAT) == 0) {
        statedIntegerDigits = integerDigits;
        statedDecimalDigits = decimalDigits;
    }
}

void AutoNumberFormat::StateZeroTruncation(int statedZeroTruncation) {
    if ((fallback.overruled & CDrillMachineFormat::OVERRULE_ZEROTRUNCATION) == 0) {
        zeroTruncation = statedZeroTruncation;
    }
}

void AutoNumberFormat::ApplyTo(CDrillMachineFormat& settings) const {
    const bool millimetres = unit == CDrillMachineFormat::MM;
    settings.unit = unit;
    settings.unitLength = millimetres ? CDrillMachineFormat::NANOMETRES_PER_MM
                                      : CDrillMachineFormat::NANOMETRES_PER_INCH;
    settings.zeroTruncation = zeroTruncation;
    if (statedIntegerDigits != kNotStated) {
        settings.integerDigits = statedIntegerDigits;
        settings.decimalDigits = statedDecimalDigits;
    } else if (unit == fallback.unit) {
        settings.integerDigits = fallback.integerDigits;
        settings.decimalDigits = fallback.decimalDigits;
    } else {
        settings.integerDigits = millimetres ? 3 : 2;
        settings.decimalDigits = millimetres ? 3 : 4;
    }
}
