#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "keywordparser/JNPLookupTree.h"

namespace {

// Returns the height of node's subtree after checking that every balance factor equals the
// difference of its subtrees' heights and that names are in order.
int CheckedHeight(const JNPLookupNode* node, std::vector<std::string>& inOrder) {
    if (node == nullptr) {
        return 0;
    }
    const int left = CheckedHeight(node->left, inOrder);
    inOrder.push_back(node->name);
    const int right = CheckedHeight(node->right, inOrder);
    EXPECT_EQ(node->balance, left - right) << "at " << node->name;
    return 1 + std::max(left, right);
}

// Inserts the names in the given order; the nodes name themselves from names, which must stay.
void InsertAll(JNPLookupTree& tree, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        auto* node = new JNPLookupNode;
        node->name = name.c_str();
        ASSERT_EQ(tree.Insert(node), 0);
    }
}

TEST(JNPLookupTree, EveryInsertionOrderKeepsTrueBalanceFactors) {
    std::vector<std::string> names = {"A", "B", "C", "D", "E", "F", "G"};
    const std::vector<std::string> sorted = names;
    do {
        JNPLookupTree tree;
        InsertAll(tree, names);
        std::vector<std::string> inOrder;
        const int height = CheckedHeight(tree.Root(), inOrder);
        ASSERT_EQ(inOrder, sorted);
        ASSERT_LE(height, 4);
    } while (std::next_permutation(names.begin(), names.end()) && !HasFailure());
}

TEST(JNPLookupTree, AscendingAndInterleavedInsertionsStayLogarithmic) {
    std::vector<std::string> names;
    for (int i = 0; i < 4096; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "K%05d", (i % 2 == 0) ? i : 8191 - i);
        names.push_back(name);
    }
    JNPLookupTree tree;
    InsertAll(tree, names);
    std::vector<std::string> inOrder;
    const int height = CheckedHeight(tree.Root(), inOrder);
    EXPECT_TRUE(std::is_sorted(inOrder.begin(), inOrder.end()));
    // An AVL tree of n nodes is at most 1.44 log2(n + 2) high.
    EXPECT_LE(height, static_cast<int>(1.44 * std::log2(4096 + 2)));
}

TEST(JNPLookupTree, RefusesExistingAndMissingNamesWithoutChange) {
    const std::vector<std::string> names = {"M", "D", "T"};
    JNPLookupTree tree;
    InsertAll(tree, names);
    JNPLookupNode duplicate;
    duplicate.name = "D";
    JNPLookupNode unnamed;
    EXPECT_EQ(tree.Insert(&duplicate), 1);
    EXPECT_EQ(tree.Insert(&unnamed), 1);
    EXPECT_STREQ(tree.Root()->name, "M");
    EXPECT_STREQ(tree.Root()->left->name, "D");
    EXPECT_STREQ(tree.Root()->right->name, "T");
    EXPECT_EQ(tree.Root()->left->left, nullptr);
}

TEST(JNPLookupTree, SearchComparesTheFirst32Characters) {
    const std::string stem(32, 'S');
    const std::vector<std::string> names = {stem + "LONG", "SHORT"};
    JNPLookupTree tree;
    InsertAll(tree, names);
    ASSERT_NE(tree.Search((stem + "OTHER").c_str()), nullptr);
    EXPECT_EQ(tree.Search((stem + "OTHER").c_str())->name, names[0]);
    EXPECT_EQ(tree.Search(std::string(31, 'S').c_str()), nullptr);
    EXPECT_EQ(tree.Search("SHORT")->name, names[1]);
    EXPECT_EQ(tree.Search("SHORTER"), nullptr);
    EXPECT_EQ(JNPLookupTree().Search("SHORT"), nullptr);
}

}  // namespace
