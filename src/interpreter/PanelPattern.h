#pragma once

#include <cstddef>
#include <vector>

// The pattern of a panel program: the holes and contours delivered between M25 and M01, in
// nanometres with their tools, which M02 blocks place again at offsets, the axes swapped or
// mirrored about the pattern's origin (its first point).
class PanelPattern {
  public:
    // Most holes and contour vertices a pattern holds; what follows is not recorded.
    static constexpr long long kMostItems = 1 << 20;
    static constexpr int kWordsPerVertex = 3;

    // A hole (one vertex) or a contour, in the order delivered: its vertex triples (x, y, r), r
    // the signed radius of an arc centre and 0 for a point, begin at words()[firstWord].
    struct Item {
        bool hole;
        int tool;
        int width;
        std::size_t firstWord;
        std::size_t wordCount;
    };
    // Where a copy goes: its shift, then how it is turned about the origin, swap before mirrors.
    struct Placement {
        long long shiftX = 0;
        long long shiftY = 0;
        bool swapAxes = false;
        bool mirrorX = false;
        bool mirrorY = false;
    };

    // Begins recording a new pattern (M25), forgetting any other.
    void Begin(int line);
    // Ends the recording (M01); the pattern is kept for copies.
    void Close() { recording = false; }
    // Forgets the pattern (M08).
    void Forget();
    bool IsRecording() const { return recording; }
    // Tells whether a pattern was begun and is kept, open or closed.
    bool Exists() const { return exists; }
    int BeginLine() const { return beginLine; }
    // Number of holes and contour vertices held.
    long long Size() const { return size; }

    // Record a hole or a contour of count vertex words; return false when the pattern is full
    // and it was left out.
    bool RecordHole(int x, int y, int tool);
    bool RecordContour(const int* words, std::size_t count, int width, int tool);

    const std::vector<Item>& Items() const { return items; }
    const int* Words(const Item& item) const { return words.data() + item.firstWord; }
    // Gives the place of a pattern point in a copy; returns false when it falls beyond 32 bits.
    bool Place(int x, int y, const Placement& placement, int& placedX, int& placedY) const;
    // Gives the signed radius of an arc centre in a copy: an odd number of reflections turns the
    // arc the other way.
    static int PlaceRadius(int radius, const Placement& placement);

  private:
    // Appends an item of count words; returns false when its vertices would overfill the
    // pattern. The first point recorded is the origin.
    bool Append(bool hole, const int* itemWords, std::size_t count, int width, int tool);

    std::vector<Item> items;
    std::vector<int> words;
    long long size = 0;
    int originX = 0;
    int originY = 0;
    int beginLine = 0;
    bool recording = false;
    bool exists = false;
};
