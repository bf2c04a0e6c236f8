#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DumpOptions.h"

namespace {

struct ValidCase {
    std::vector<std::string> arguments;
    std::string machineFormatFile;
    bool json;
    std::string svgFile;
    bool suggestFormat;
    std::vector<std::string> drillFiles;
};

TEST(DumpOptions, AcceptsEveryOptionInAnyOrder) {
    const ValidCase cases[] = {
        {{"a.drl"}, "", false, "", false, {"a.drl"}},
        {{"-f", "m.fmt", "a.drl", "b.drl"}, "m.fmt", false, "", false, {"a.drl", "b.drl"}},
        {{"a.drl", "--json", "--svg", "out.svg"}, "", true, "out.svg", false, {"a.drl"}},
        {{"--suggest-format", "a.drl"}, "", false, "", true, {"a.drl"}},
        {{"-"}, "", false, "", false, {"-"}},
    };
    for (const ValidCase& expected : cases) {
        DumpOptions options;
        std::string error;
        ASSERT_TRUE(options.Parse(expected.arguments, error)) << error;
        EXPECT_EQ(options.machineFormatFile, expected.machineFormatFile);
        EXPECT_EQ(options.json, expected.json);
        EXPECT_EQ(options.svgFile, expected.svgFile);
        EXPECT_EQ(options.suggestFormat, expected.suggestFormat);
        EXPECT_EQ(options.drillFiles, expected.drillFiles);
    }
}

TEST(DumpOptions, RefusesMalformedCommandLinesWithAReason) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "no drill file given"},
        {{"--json"}, "no drill file given"},
        {{"--verbose", "a.drl"}, "unknown option '--verbose'"},
        {{"a.drl", "-f"}, "option -f needs a file name"},
        {{"--svg", "", "a.drl"}, "option --svg needs a file name"},
        {{"-f", "a.fmt", "-f", "b.fmt", "a.drl"}, "option -f given twice"},
        {{"--suggest-format", "--json", "a.drl"},
         "--suggest-format reads no drill program and takes no -f, --json or --svg"},
        {{"--suggest-format", "-f", "m.fmt", "a.drl"},
         "--suggest-format reads no drill program and takes no -f, --json or --svg"},
        {{"--suggest-format", "a.drl", "b.drl"}, "--suggest-format takes one drill file"},
    };
    for (const auto& [arguments, reason] : cases) {
        DumpOptions options;
        std::string error;
        EXPECT_FALSE(options.Parse(arguments, error)) << reason;
        EXPECT_EQ(error, reason);
    }
}

}  // namespace
