#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>

#include "detection/DrillStationInfoFile.h"
#include "detection/SideFiles.h"

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
    char folder[] = "/tmp/perforex_side_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string dir = folder;
    const std::pair<std::string, std::string> files[] = {
        {dir + "/nc_param.txt", "OUTPUT-UNITS METRIC\nINTEGER-PLACES 3\nDECIMAL-PLACES 3\n"},
        {dir + "/board.dri", "Device : Excellon drill station, coordinate format 2.5 inch\n"},
    };
    for (const auto& [path, text] : files) {
        FILE* file = std::fopen(path.c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fputs(text.c_str(), file);
        std::fclose(file);
    }
    SideFiles sideFiles;
    sideFiles.Load(dir + "/", "elsewhere/board.drd");
    ASSERT_EQ(sideFiles.Files().size(), 2u);
    EXPECT_EQ(sideFiles.Files()[0].path, dir + "/nc_param.txt");
    EXPECT_EQ(sideFiles.Files()[1].path, dir + "/board.dri");
    EXPECT_EQ(sideFiles.Combined().ApplyTo(DrillFormat()).Summary(), "IN 2,5 LEADING ABSOLUTE");
    // A program of another name, or named NAME.dri itself, has only the nc_param.txt; no folder,
    // no side files.
    for (const char* name : {"board", "board.dri", "other.drd"}) {
        sideFiles.Load(dir, name);
        EXPECT_EQ(sideFiles.Files().size(), std::string(name) == "board" ? 2u : 1u) << name;
    }
    sideFiles.Load("", "board.drd");
    EXPECT_TRUE(sideFiles.Files().empty());
    for (const auto& [path, text] : files) {
        std::remove(path.c_str());
    }
    rmdir(folder);
}

}  // namespace
