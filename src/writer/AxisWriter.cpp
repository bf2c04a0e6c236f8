#include "writer/AxisWriter.h"

AxisWriter::AxisWriter(const CoordinateText& numbers, char letter, bool incremental)
    : numbers(numbers), letter(letter), incremental(incremental) {
    position.fits = true;
}

void AxisWriter::TryNeighbours(double nanometres, Candidate& nearest) const {
    // Where a step is finer than a nanometre, a neighbour may read back exactly where the
    // nearest count does not.
    const long long steps = nearest.steps;
    for (const long long neighbour : {steps + 1, steps - 1}) {
        Candidate other;
        Fill(neighbour, other);
        if (other.fits && other.nanometres == nanometres) {
            nearest = other;
            return;
        }
    }
}

AxisWriter::Candidate AxisWriter::Try(long long steps) const {
    Candidate candidate;
    Fill(steps, candidate);
    return candidate;
}

void AxisWriter::FillAuto(Candidate& candidate) const {
    candidate.length = numbers.AutoLength(candidate.written);
    if (incremental) {
        candidate.length += position.length;
    }
    candidate.fits = candidate.length.ToNanometres(candidate.nanometres);
}

void AxisWriter::Write(char*& cursor, const Candidate& candidate) {
    numbers.Write(cursor, letter, candidate.written);
    position = candidate;
}
