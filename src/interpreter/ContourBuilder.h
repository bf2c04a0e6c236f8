#pragma once

#include <vector>

#include "perforex/VbPolyarcPath.h"

class CPerforexReader;

// The routed contour being built: its vertices as (x, y, r) word triples in nanometres and its
// tool, until it is delivered to the host as a validated polyarc path.
class ContourBuilder {
  public:
    // Starts an empty contour whose deliveries go to owner.
    explicit ContourBuilder(CPerforexReader& owner);

    // Appends one vertex; r is 0 for a point and the signed radius for an arc centre.
    void AppendVertex(int x, int y, int r);
    // Tells whether the contour holds a vertex that an arc can start from.
    bool HasVertex() const { return contourWordCount >= kWordsPerVertex; }
    // Returns the x word of the last vertex; only valid when HasVertex().
    int LastX() const { return contourWords[contourWordCount - kWordsPerVertex]; }
    // Returns the y word of the last vertex; only valid when HasVertex().
    int LastY() const { return contourWords[contourWordCount - kWordsPerVertex + 1]; }

    // Sets the tool the contour is delivered with.
    void SetTool(int tool) { contourTool = tool; }
    // Returns the contour's tool, -1 until one is set.
    int Tool() const { return contourTool; }

    // Delivers the contour with the given width when it has two or more vertices and
    // validates, then empties the buffer; returns true when it was delivered.
    bool Flush(int width);
    // Empties the buffer without delivering the contour.
    void Discard() { contourWordCount = 0; }
    // The vertex words of the contour the last Flush delivered, until the next AppendVertex.
    const int* FlushedWords() const { return contourWords.data(); }
    int FlushedWordCount() const { return flushedWordCount; }

  private:
    static constexpr int kWordsPerVertex = 3;

    CPerforexReader& owner;
    // The path each contour is delivered in, refilled by every flush so that a contour of the
    // last one's size needs no new record.
    CVbPolyarcPath path;
    // Storage is kept across flushes; only the first contourWordCount words are in use.
    std::vector<int> contourWords;
    int contourWordCount = 0;
    int flushedWordCount = 0;
    int contourTool = -1;
};
