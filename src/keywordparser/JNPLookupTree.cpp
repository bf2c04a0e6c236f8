#include "keywordparser/JNPLookupTree.h"

#include <cstring>

namespace {

// Returns the branch of node on the side of direction d: left for +1, right for -1.
JNPLookupNode*& Branch(JNPLookupNode* node, int d) {
    return d > 0 ? node->left : node->right;
}

// Returns +1 when name sorts before node's name, -1 otherwise.
int Direction(const char* name, const JNPLookupNode* node) {
    return std::strcmp(name, node->name) < 0 ? 1 : -1;
}

void FreeSubtree(JNPLookupNode* node) {
    if (node == nullptr) {
        return;
    }
    FreeSubtree(node->left);
    FreeSubtree(node->right);
    delete node;
}

}  // namespace

int JNPLookupTree::Insert(JNPLookupNode* node) {
    if (node->name == nullptr) {
        return 1;
    }
    node->balance = 0;
    node->left = node->right = nullptr;
    if (root == nullptr) {
        root = node;
        return 0;
    }
    JNPLookupNode* pivot = root;
    JNPLookupNode* pivotParent = nullptr;
    JNPLookupNode* parent = nullptr;
    for (JNPLookupNode* current = root; current != nullptr;) {
        const int order = std::strcmp(node->name, current->name);
        if (order == 0) {
            return 1;
        }
        if (current->balance != 0) {
            pivot = current;
            pivotParent = parent;
        }
        parent = current;
        current = order < 0 ? current->left : current->right;
    }
    Branch(parent, Direction(node->name, parent)) = node;
    for (JNPLookupNode* step = pivot; step != parent;) {
        step = Branch(step, Direction(node->name, step));
        step->balance = Direction(node->name, step);
    }
    Rebalance(pivot, pivotParent, node->name);
    return 0;
}

void JNPLookupTree::Rebalance(JNPLookupNode* pivot, JNPLookupNode* parent, const char* name) {
    const int d = Direction(name, pivot);
    if (pivot->balance == 0) {
        pivot->balance = d;
        return;
    }
    if (pivot->balance == -d) {
        pivot->balance = 0;
        return;
    }
    JNPLookupNode* child = Branch(pivot, d);
    if (child->balance == d) {
        Branch(pivot, d) = Branch(child, -d);
        Branch(child, -d) = pivot;
        pivot->balance = 0;
        child->balance = 0;
        Replace(pivot, parent, child);
        return;
    }
    JNPLookupNode* grandchild = Branch(child, -d);
    Branch(child, -d) = Branch(grandchild, d);
    Branch(grandchild, d) = child;
    Branch(pivot, d) = Branch(grandchild, -d);
    Branch(grandchild, -d) = pivot;
    pivot->balance = grandchild->balance == d ? -d : 0;
    child->balance = grandchild->balance == -d ? d : 0;
    grandchild->balance = 0;
    Replace(pivot, parent, grandchild);
}

void JNPLookupTree::Replace(JNPLookupNode* pivot, JNPLookupNode* parent, JNPLookupNode* subtree) {
    if (parent == nullptr) {
        root = subtree;
    } else if (parent->left == pivot) {
        parent->left = subtree;
    } else {
        parent->right = subtree;
    }
}

JNPLookupNode* JNPLookupTree::Search(const char* text) const {
    JNPLookupNode* current = root;
    while (current != nullptr) {
        const int order = std::strncmp(text, current->name, kSearchLength);
        if (order == 0) {
            return current;
        }
        current = order < 0 ? current->left : current->right;
    }
    return nullptr;
}

void JNPLookupTree::Release() {
    FreeSubtree(root);
    root = nullptr;
}
