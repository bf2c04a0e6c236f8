#include "writer/AxisWriter.h"

#include "interpreter/LengthConverter.h"

AxisWriter::AxisWriter(const CoordinateText& numbers, char letter, bool incremental)
    : numbers(numbers), letter(letter), incremental(incremental) {
    position.fits = true;
}

AxisWriter::Candidate AxisWriter::Nearest(double nanometres) const {
    Candidate nearest;
    long long steps = 0;
    if (!numbers.NearestSteps(nanometres, steps)) {
        return nearest;
    }
    Fill(steps, nearest);
    // Where a step is finer than a nanometre, a neighbour may read back exactly where the
    // nearest count does not.
    for (const long long neighbour : {steps + 1, steps - 1}) {
        if (nearest.fits && nearest.nanometres == nanometres) {
            break;
        }
        Candidate other;
        Fill(neighbour, other);
        if (other.fits && other.nanometres == nanometres) {
            nearest = other;
        }
    }
    return nearest;
}

AxisWriter::Candidate AxisWriter::Try(long long steps) const {
    Candidate candidate;
    Fill(steps, candidate);
    return candidate;
}

void AxisWriter::Fill(long long steps, Candidate& candidate) const {
    candidate.steps = steps;
    candidate.written = incremental ? steps - position.steps : steps;
    if (!numbers.Measure(candidate.written, candidate.value)) {
        return;
    }
    if (numbers.IsAuto()) {
        candidate.length = numbers.AutoLength(candidate.written);
        if (incremental) {
            candidate.length += position.length;
        }
        candidate.fits = candidate.length.ToNanometres(candidate.nanometres);
        return;
    }
    if (incremental) {
        candidate.value += position.value;
    }
    candidate.fits =
        LengthConverter(numbers.UnitLength()).ToNanometres(candidate.value, candidate.nanometres);
}

void AxisWriter::Write(char*& cursor, const Candidate& candidate) {
    numbers.Write(cursor, letter, candidate.written);
    position = candidate;
}
