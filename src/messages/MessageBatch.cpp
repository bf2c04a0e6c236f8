#include "messages/MessageBatch.h"

#include <cstring>

void MessageBatch::Write(const char* text, std::size_t size) {
    if (stream == nullptr) {
        return;
    }
    if (!gathering) {
        std::fwrite(text, 1, size, stream);
        return;
    }
    if (used + size > kCapacity) {
        Flush();
    }
    if (size > kCapacity) {
        std::fwrite(text, 1, size, stream);
        return;
    }
    std::memcpy(kept + used, text, size);
    used += size;
}

void MessageBatch::WriteKept() {
    std::fwrite(kept, 1, used, stream);
    used = 0;
}
