#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "MachineFormatLocator.h"

namespace {

// A scratch directory tree, removed with everything in it when the object goes away.
class ScratchTree {
  public:
    ScratchTree() {
        char pattern[] = "/tmp/perforex-locator-XXXXXX";
        root_ = mkdtemp(pattern);
    }
    ~ScratchTree() { std::system(("rm -rf '" + root_ + "'").c_str()); }
    const std::string& Root() const { return root_; }
    void AddFile(const std::string& relative) {
        std::system(("mkdir -p \"$(dirname '" + root_ + "/" + relative + "')\"").c_str());
        FILE* file = std::fopen((root_ + "/" + relative).c_str(), "w");
        std::fclose(file);
    }

  private:
    std::string root_;
};

TEST(MachineFormatLocator, PrefersTheFileNextToTheExecutable) {
    ScratchTree tree;
    tree.AddFile("bin/auto.fmt");
    tree.AddFile("share/perforex/auto.fmt");
    EXPECT_EQ(MachineFormatLocator::FindDefault(tree.Root() + "/bin"),
              tree.Root() + "/bin/auto.fmt");
}

TEST(MachineFormatLocator, FindsTheInstalledFileInShare) {
    ScratchTree tree;
    tree.AddFile("bin/perforex-dump");
    tree.AddFile("share/perforex/auto.fmt");
    EXPECT_EQ(MachineFormatLocator::FindDefault(tree.Root() + "/bin"),
              tree.Root() + "/bin/../share/perforex/auto.fmt");
}

TEST(MachineFormatLocator, ReportsNothingWhenThereIsNoFile) {
    ScratchTree tree;
    tree.AddFile("bin/other.fmt");
    EXPECT_EQ(MachineFormatLocator::FindDefault(tree.Root() + "/bin"), "");
    EXPECT_EQ(MachineFormatLocator::FindDefault(""), "");
}

TEST(MachineFormatLocator, FindsTheRunningExecutablesDirectory) {
    const std::string directory = MachineFormatLocator::ExecutableDirectory(nullptr);
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(access(directory.c_str(), X_OK), 0);
}

}  // namespace
