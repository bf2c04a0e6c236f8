#include "FloorPass.h"

#include <cstdio>

long long FloorPass::CountLineFeeds(const std::string& path, int lineFeed) {
    FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) {
        return -1;
    }
    long long lineFeeds = 0;
    for (int c = getc_unlocked(file); c != EOF; c = getc_unlocked(file)) {
        lineFeeds += c == lineFeed;
    }
    std::fclose(file);
    return lineFeeds;
}
