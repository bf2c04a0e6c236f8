#include "writer/AxisWriter.h"

#include "interpreter/LengthConverter.h"

AxisWriter::AxisWriter(const CoordinateText& numbers, char letter, bool incremental)
    : numbers(numbers), letter(letter), incremental(incremental) {
    position.fits = true;
}

AxisWriter::Candidate AxisWriter::Nearest(double nanometres) const {
    long long steps = 0;
    if (!numbers.NearestSteps(nanometres, steps)) {
        return Candidate();
    }
    Candidate nearest = Try(steps);
    if (nearest.fits && nearest.nanometres == nanometres) {
        return nearest;
    }
    // Where a step is finer than a nanometre, a neighbour may read back exactly where the
    // nearest count does not.
    for (const long long neighbour : {steps + 1, steps - 1}) {
        const Candidate other = Try(neighbour);
        if (other.fits && other.nanometres == nanometres) {
            return other;
        }
    }
    return nearest;
}

AxisWriter::Candidate AxisWriter::Try(long long steps) const {
    Candidate candidate;
    candidate.steps = steps;
    candidate.written = incremental ? steps - position.steps : steps;
    if (!numbers.Measure(candidate.written, candidate.value)) {
        return candidate;
    }
    if (numbers.IsAuto()) {
        candidate.length = numbers.AutoLength(candidate.written);
        if (incremental) {
            candidate.length += position.length;
        }
        candidate.fits = candidate.length.ToNanometres(candidate.nanometres);
        return candidate;
    }
    if (incremental) {
        candidate.value += position.value;
    }
    candidate.fits =
        LengthConverter(numbers.UnitLength()).ToNanometres(candidate.value, candidate.nanometres);
    return candidate;
}

void AxisWriter::Append(std::string& out, const Candidate& candidate) {
    numbers.Append(out, letter, candidate.written);
    position = candidate;
}
