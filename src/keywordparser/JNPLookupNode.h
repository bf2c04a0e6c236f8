#pragma once

// Holds one keyword definition or constant in a lookup tree.
struct JNPLookupNode {
    JNPLookupNode() = default;
    JNPLookupNode(const JNPLookupNode&) = delete;
    JNPLookupNode& operator=(const JNPLookupNode&) = delete;
    // Frees the name when the node owns it.
    ~JNPLookupNode() {
        if (ownsName) {
            delete[] name;
        }
    }

    const char* name = nullptr;
    int id = 0;  // keyword id, or constant value
    int type = 0;
    bool ownsName = false;
    int level = 0;  // dots of the latest keyword lookup that found this node
    int flags = 0;
    int count = 0;
    const char* const* constants = nullptr;
    const int* required = nullptr;
    const int* optional = nullptr;
    int balance = 0;  // +1: left subtree one level higher; -1: right subtree higher
    JNPLookupNode* left = nullptr;
    JNPLookupNode* right = nullptr;
};
