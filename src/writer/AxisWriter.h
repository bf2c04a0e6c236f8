#pragma once

#include "interpreter/LengthConverter.h"
#include "scanner/ExactLength.h"
#include "writer/CoordinateText.h"

// Writes the numbers of one coordinate letter and follows what the reading makes of them: the
// position it keeps for the letter, which incremental steps add to, and the nanometres it
// delivers.
class AxisWriter {
  public:
    // One way of writing a value: the count of steps it stands for and what the reading takes
    // the written text for.
    struct Candidate {
        long long steps = 0;
        long long written = 0;
        double value = 0.0;
        int nanometres = 0;
        bool fits = false;
        // Last, where its alignment pads nothing.
        ExactLength length;
    };

    // Writes letter's numbers; incremental, when the reading adds each to the letter's position.
    AxisWriter(const CoordinateText& numbers, char letter, bool incremental);

    // Returns the way of writing nanometres that reads back as them, or else the nearest count
    // of steps; fits is false when the format cannot write that count. Inline, as every written
    // number needs it.
    Candidate Nearest(double nanometres) const {
        Candidate nearest;
        long long steps = 0;
        if (numbers.NearestSteps(nanometres, steps)) {
            Fill(steps, nearest);
            if (!nearest.fits || nearest.nanometres != nanometres) {
                TryNeighbours(nanometres, nearest);
            }
        }
        return nearest;
    }
    // Returns what writing a count of steps would give.
    Candidate Try(long long steps) const;
    // Writes the letter and the number of candidate, which must fit, from cursor on, moves
    // cursor past them and takes the candidate as written.
    void Write(char*& cursor, const Candidate& candidate);
    // Tells whether the reading already holds nanometres for the letter, so that a block may
    // leave it out.
    bool Holds(int nanometres) const { return position.nanometres == nanometres; }

    const Candidate& Position() const { return position; }

  private:
    // Works out in candidate what writing a count of steps would give.
    void Fill(long long steps, Candidate& candidate) const {
        candidate.steps = steps;
        candidate.written = incremental ? steps - position.steps : steps;
        if (!numbers.Measure(candidate.written, candidate.value)) {
            return;
        }
        if (numbers.IsAuto()) {
            FillAuto(candidate);
            return;
        }
        if (incremental) {
            candidate.value += position.value;
        }
        candidate.fits = LengthConverter(numbers.UnitLength())
                             .ToNanometres(candidate.value, candidate.nanometres);
    }
    // Works out in candidate, whose written count is set, what the AUTO reading gives.
    void FillAuto(Candidate& candidate) const;
    // Replaces nearest, the nearest count to nanometres, by a neighbouring count that reads back
    // as them, where there is one.
    void TryNeighbours(double nanometres, Candidate& nearest) const;

    const CoordinateText& numbers;
    char letter;
    bool incremental;
    Candidate position;
};
