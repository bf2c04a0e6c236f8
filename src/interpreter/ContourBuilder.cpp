#include "interpreter/ContourBuilder.h"

#include <climits>
#include <new>

#include "perforex/PerforexReader.h"

ContourBuilder::ContourBuilder(CPerforexReader& owner) : owner(owner) {}

void ContourBuilder::AppendVertex(int x, int y, int r) {
    // A path record adds two words to the vertex words; its count must stay a 32-bit value.
    if (contourWordCount > INT_MAX - 2 * kWordsPerVertex) {
        throw std::bad_alloc();
    }
    const std::size_t end = static_cast<std::size_t>(contourWordCount) + kWordsPerVertex;
    if (contourWords.size() < end) {
        contourWords.resize(end);
    }
    contourWords[end - 3] = x;
    contourWords[end - 2] = y;
    contourWords[end - 1] = r;
    contourWordCount += kWordsPerVertex;
}

bool ContourBuilder::Flush(int width) {
    flushedWordCount = contourWordCount;
    contourWordCount = 0;
    if (flushedWordCount <= kWordsPerVertex) {
        return false;
    }
    path.Set(width, contourWords.data(), flushedWordCount, 0, 0, 0, 0);
    if (path.Validate() == 0) {
        return false;
    }
    owner.AddContour(path, contourTool);
    return true;
}
