#pragma once

#include <vector>

// Reads the vertex words of a polyline (x, y) or polyarc (x, y, r) record as a chain of
// vertices, for validation and conversion. A polyarc vertex with r != 0 is an arc centre.
class VertexChain {
  public:
    // Outcome of scanning the consecutive pairs of vertices.
    enum class PairScan { kNoRepeat, kRepeat, kCentresDiffer };

    // Views the vertices held in wordCount words (a trailing partial vertex is ignored).
    VertexChain(const int* words, int wordCount, int stride);

    int Count() const { return count; }
    const int* Vertex(int index) const { return words + index * stride; }
    bool IsCentre(int index) const { return stride > 2 && Vertex(index)[2] != 0; }
    // Tells whether two vertices share x and y.
    bool SamePoint(int a, int b) const;
    // Tells whether two vertices agree in every word.
    bool SameVertex(int a, int b) const;

    // Scans the consecutive pairs from the start: stops with kCentresDiffer at two centres that
    // differ in any word, with kRepeat at two vertices of equal x and y.
    PairScan ScanPairs() const;
    // Returns the vertex words with every vertex dropped whose x and y equal those of the
    // vertex kept before it, and, when dropClosingRepeat is set, the last one as well when it
    // repeats the first.
    std::vector<int> WithoutRepeats(bool dropClosingRepeat) const;
    // Returns how many words a shape keeps of a path of these vertices: all of them, less the
    // last vertex when it repeats the first in every word; -1 when the path is open (closed is
    // false and the ends differ).
    int ShapeWords(bool closed) const;
    // Tells whether the chain bounds an area: three vertices or more, or a point and a centre.
    bool EnclosesArea() const;

  private:
    const int* words;
    int stride;
    int count;
};
