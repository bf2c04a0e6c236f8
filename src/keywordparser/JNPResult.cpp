#include "keywordparser/JNPResult.h"

#include <algorithm>
#include <cstring>

#include "keywordparser/JNPKeywordDef.h"

void JNPResult::SetName(const char* token) {
    const std::size_t length = std::min(std::strlen(token), std::size_t{kNameSize - 1});
    std::memcpy(name, token, length);
    name[length] = '\0';
}

int JNPResult::ArgumentCount() const {
    switch (type) {
        case JNP_INTEGER:
        case JNP_CONSTANT:
            return static_cast<int>(integers.size());
        case JNP_DOUBLE:
            return static_cast<int>(doubles.size());
        case JNP_STRING:
            return static_cast<int>(texts.size());
        default:
            return 0;
    }
}

void JNPResult::KeepArguments(int count) {
    const auto kept = static_cast<std::size_t>(count > 0 ? count : 0);
    if (integers.size() > kept) {
        integers.resize(kept);
    }
    if (doubles.size() > kept) {
        doubles.resize(kept);
    }
    if (texts.size() > kept) {
        texts.resize(kept);
    }
}

void JNPResult::FreeChain(JNPResult* node) {
    while (node != nullptr) {
        JNPResult* following = node->next;
        FreeChain(node->firstChild);
        delete node;
        node = following;
    }
}
