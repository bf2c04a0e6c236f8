#include "geometry/VertexChain.h"

#include <algorithm>

#include "geometry/ArcList.h"

VertexChain::VertexChain(const int* words, int wordCount, int stride)
    : words(words), stride(stride), count(std::max(wordCount, 0) / stride) {}

bool VertexChain::SamePoint(int a, int b) const {
    return Vertex(a)[0] == Vertex(b)[0] && Vertex(a)[1] == Vertex(b)[1];
}

bool VertexChain::SameVertex(int a, int b) const {
    return std::equal(Vertex(a), Vertex(a) + stride, Vertex(b));
}

VertexChain::PairScan VertexChain::ScanPairs() const {
    for (int i = 0; i + 1 < count; ++i) {
        if (IsCentre(i) && IsCentre(i + 1) && !SameVertex(i, i + 1)) {
            return PairScan::kCentresDiffer;
        }
        if (SamePoint(i, i + 1)) {
            return PairScan::kRepeat;
        }
    }
    return PairScan::kNoRepeat;
}

std::vector<int> VertexChain::WithoutRepeats(bool dropClosingRepeat) const {
    alnode* head = nullptr;
    alnode* tail = nullptr;
    for (int i = 0; i < count; ++i) {
        const int* vertex = Vertex(i);
        if (tail == nullptr || tail->x != vertex[0] || tail->y != vertex[1]) {
            alAppendVertex(&head, &tail, nullptr, vertex[0], vertex[1], stride > 2 ? vertex[2] : 0);
        }
    }
    int kept = alGetNumberVertices(head);
    if (dropClosingRepeat && kept >= 2 && head->x == tail->x && head->y == tail->y) {
        --kept;
    }
    std::vector<int> rebuilt(static_cast<size_t>(kept) * stride);
    for (int i = 0; head != nullptr; ++i) {
        int x = 0, y = 0, r = 0;
        alPopVertex(&head, nullptr, &x, &y, &r);
        if (i < kept) {
            const int values[3] = {x, y, r};
            std::copy(values, values + stride, rebuilt.begin() + i * stride);
        }
    }
    return rebuilt;
}

int VertexChain::ShapeWords(bool closed) const {
    const bool endsRepeat = count > 0 && SameVertex(0, count - 1);
    if (!closed && !endsRepeat) {
        return -1;
    }
    return (endsRepeat ? count - 1 : count) * stride;
}

bool VertexChain::EnclosesArea() const {
    return count >= 3 || (count == 2 && IsCentre(1));
}
