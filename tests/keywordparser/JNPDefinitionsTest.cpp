#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "keywordparser/JNPDefinitions.h"
#include "keywordparser/JNPLookupTree.h"
#include "machineformat/DrillMachineSchema.h"

namespace {

TEST(JNPDefinitions, AliasesTakeTheTargetUnderANameCutTo63Characters) {
    JNPMessageSink sink;
    JNPDefinitions machine;
    ASSERT_EQ(machine.Build(kDrillMachineKeywords, kDrillMachineConstants, sink), 0);
    const std::string longName(100, 'L');
    machine.AddAlias(longName.c_str(), *machine.FindKeyword(".UNIT"));
    const JNPLookupNode* cut = machine.FindKeyword(("." + longName).c_str());
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(std::string(cut->name), std::string(63, 'L'));
    EXPECT_EQ(cut->id, 15);
}

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

}  // namespace
