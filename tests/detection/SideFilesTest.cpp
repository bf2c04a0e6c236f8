#include <gtest/gtest.h>

#include <string>

#include "TempFolder.h"
#include "detection/DrillStationInfoFile.h"
#include "detection/SideFiles.h"
#include "platform/NativePath.h"

namespace {

// What the station info file states, put over a fallback of millimetres, 3,3, NONE and
// incremental steps, which it never states.
std::string StatedOverFallback(const std::string& text) {
    DrillStationInfoFile file;
    file.Parse(text);
    DrillFormat fallback = DrillFormat::UsualFor(DrillFormat::kMillimetre);
    fallback.zeroTruncation = DrillFormat::kNone;
    fallback.stepMode = DrillFormat::kIncremental;
    return file.Format().ApplyTo(fallback).Summary();
}

TEST(DrillStationInfoFile, TakesTheDigitsAndTheUnitOfItsDeviceAndUnitsLines) {
    const std::pair<const char*, const char*> cases[] = {
        {" Units             : 1/100000 Inch\r\n Device : Excellon drill station, coordinate "
         "format 2.5 inch\r\n",
         "IN 2,5 NONE INCREMENTAL"},
        // Without a Device line the Units line gives the decimals, the unit's usual integers.
        {"Units : 1/10000 Inch\n", "IN 2,4 NONE INCREMENTAL"},
        {"UNITS:1/1000 mm\n", "MM 3,3 NONE INCREMENTAL"},
        {"Units : 1/100 mm\nDevice : Excellon, coordinate format 4.2\n", "MM 4,2 NONE INCREMENTAL"},
        // The Device line's unit goes over the Units line's.
        {"Device : x, coordinate format 2.4 inch\nUnits : 1/1000 mm\n", "IN 2,4 NONE INCREMENTAL"},
        // Steps that are no power of ten, formats without a point and other keys state nothing.
        {"Units : 1/2000\nDevice : coordinate format 25 inches\nData Mode : 2.5\n",
         "IN 3,3 NONE INCREMENTAL"},
        {"Drills used: T01 0.0280inch\nUnits = 1/100000 Inch\n", "MM 3,3 NONE INCREMENTAL"},
    };
    for (const auto& [text, summary] : cases) {
        EXPECT_EQ(StatedOverFallback(text), summary) << text;
    }
}

TEST(SideFiles, FindsTheInfoFileOfTheProgramsNameAndPutsItOverNcParam) {
    const TempFolder folder;
    const std::string ncParam =
        folder.Add("nc_param.txt", "OUTPUT-UNITS METRIC\nINTEGER-PLACES 3\nDECIMAL-PLACES 3\n");
    const std::string info =
        folder.Add("board.dri", "Device : Excellon drill station, coordinate format 2.5 inch\n");
    const std::string dir = folder.Path().substr(0, folder.Path().size() - 1);
    SideFiles sideFiles;
    sideFiles.Load(folder.Path(), "elsewhere/board.drd");
    ASSERT_EQ(sideFiles.Files().size(), 2u);
    EXPECT_EQ(sideFiles.Files()[0].path, ncParam);
    EXPECT_EQ(sideFiles.Files()[1].path, info);
    EXPECT_EQ(sideFiles.Combined().ApplyTo(DrillFormat()).Summary(), "IN 2,5 LEADING ABSOLUTE");
    // A program of another name, or named NAME.dri itself, has only the nc_param.txt; no folder,
    // no side files. On Windows a path of backslashes and a drive ends in its name too.
    const bool windows = NativePath::kNative == NativePath::Rule::kWindows;
    const std::pair<const char*, std::size_t> programs[] = {
        {"board", 2}, {"board.dri", 1}, {"other.drd", 1}, {"C:\\cam\\board.drd", windows ? 2 : 1}};
    for (const auto& [name, count] : programs) {
        sideFiles.Load(dir, name);
        EXPECT_EQ(sideFiles.Files().size(), count) << name;
    }
    sideFiles.Load("", "board.drd");
    EXPECT_TRUE(sideFiles.Files().empty());
}

TEST(NativePath, SplitsAPathIntoFolderAndNameByTheRuleOfItsSystem) {
    struct Split {
        NativePath::Rule rule;
        const char* path;
        const char* folder;
    };
    const NativePath::Rule posix = NativePath::Rule::kPosix;
    const NativePath::Rule windows = NativePath::Rule::kWindows;
    const Split cases[] = {
        {posix, "/tmp/cam/board.drl", "/tmp/cam/"},
        {posix, "board.drl", ""},
        {posix, "cam\\board.drl", ""},
        {posix, "C:board.drl", ""},
        {windows, "C:\\cam\\board.drl", "C:\\cam\\"},
        {windows, "cam/sub\\board.drl", "cam/sub\\"},
        {windows, "cam\\sub/board.drl", "cam\\sub/"},
        // A drive alone before the name is its drive's current folder.
        {windows, "C:board.drl", "C:"},
        {windows, "z:board.drl", "z:"},
        {windows, "1:board.drl", ""},
        {windows, "board.drl:stream", ""},
    };
    for (const Split& split : cases) {
        const std::string path = split.path;
        const std::string name = path.substr(std::string(split.folder).size());
        EXPECT_EQ(NativePath::FolderOf(path, split.rule), split.folder) << path;
        EXPECT_EQ(NativePath::NameOf(path, split.rule), name) << path;
    }
    // A name follows a folder that ends in a separator, or a drive alone, directly.
    struct Join {
        NativePath::Rule rule;
        const char* folder;
        const char* path;
    };
    const Join joins[] = {
        {posix, "cam/", "cam/board.dri"},     {posix, "cam\\", "cam\\/board.dri"},
        {windows, "cam\\", "cam\\board.dri"}, {windows, "C:", "C:board.dri"},
        {windows, "cam", "cam/board.dri"},
    };
    for (const Join& join : joins) {
        EXPECT_EQ(NativePath::Join(join.folder, "board.dri", join.rule), join.path) << join.folder;
    }
}

}  // namespace
