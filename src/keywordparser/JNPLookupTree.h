#pragma once

#include "keywordparser/JNPLookupNode.h"

// Height-balanced (AVL) search tree of lookup nodes ordered by name; owns the nodes it links.
class JNPLookupTree {
  public:
    // Number of leading name characters that a search compares.
    static constexpr int kSearchLength = 32;

    JNPLookupTree() = default;
    ~JNPLookupTree() { Release(); }
    JNPLookupTree(const JNPLookupTree&) = delete;
    JNPLookupTree& operator=(const JNPLookupTree&) = delete;

    // Links node into the tree and takes ownership: returns 0. Returns 1 and leaves both the tree
    // and the node untouched when the name is already present or the node has no name.
    int Insert(JNPLookupNode* node);
    // Returns the node whose name agrees with text in the first kSearchLength characters.
    JNPLookupNode* Search(const char* text) const;
    // Frees every node; the tree becomes empty.
    void Release();

    const JNPLookupNode* Root() const { return root; }

  private:
    // Restores the balance at pivot after name was inserted below it; parent is pivot's parent.
    void Rebalance(JNPLookupNode* pivot, JNPLookupNode* parent, const char* name);
    // Hangs subtree where pivot hung below parent, or at the root.
    void Replace(JNPLookupNode* pivot, JNPLookupNode* parent, JNPLookupNode* subtree);

    JNPLookupNode* root = nullptr;
};
