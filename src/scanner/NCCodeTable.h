#pragma once

#include <array>
#include <cstdint>
#include <utility>

#include "scanner/NCToken.h"

namespace nc_code_table_detail {

constexpr std::int8_t kNoCode = -1;

// Builds a table of 100 entries, one for each value of two digits, from the code of each text.
template <std::size_t N>
constexpr std::array<std::int8_t, 100> MakeTable(const std::pair<int, NCCode> (&codes)[N]) {
    std::array<std::int8_t, 100> table{};
    for (auto& entry : table) {
        entry = kNoCode;
    }
    for (const auto& [digits, code] : codes) {
        table[digits] = static_cast<std::int8_t>(code);
    }
    return table;
}

constexpr std::pair<int, NCCode> kGTexts[] = {
    {0, CODE_G00},  {1, CODE_G01},  {2, CODE_G02},  {3, CODE_G03},  {4, CODE_G04},  {5, CODE_G05},
    {6, CODE_G06},  {7, CODE_G07},  {10, CODE_G10}, {11, CODE_G11}, {12, CODE_G12}, {36, CODE_G36},
    {37, CODE_G37}, {40, CODE_G40}, {41, CODE_G41}, {42, CODE_G42}, {54, CODE_G54}, {70, CODE_G70},
    {71, CODE_G71}, {74, CODE_G74}, {75, CODE_G75}, {82, CODE_G82}, {83, CODE_G83}, {84, CODE_G84},
    {85, CODE_G85}, {90, CODE_G90}, {91, CODE_G91}, {92, CODE_G92}, {93, CODE_G93}};
constexpr std::pair<int, NCCode> kMTexts[] = {{48, CODE_M48}, {71, CODE_M71}, {72, CODE_M72},
                                              {15, CODE_M15}, {16, CODE_M16}, {17, CODE_M17},
                                              {30, CODE_M30}};
inline constexpr std::array<std::int8_t, 100> kGCodes = MakeTable(kGTexts);
inline constexpr std::array<std::int8_t, 100> kMCodes = MakeTable(kMTexts);

}  // namespace nc_code_table_detail

// The code numbers of the two digits after G and after M, looked up by their value 0 to 99.
class NCCodeTable {
  public:
    // Entry of two digits that name no code.
    static constexpr int kNoCode = nc_code_table_detail::kNoCode;

    // Returns the code of G followed by the digits of value, or kNoCode.
    static int GCode(int value) { return nc_code_table_detail::kGCodes[value]; }
    // Returns the code of M followed by the digits of value, or kNoCode.
    static int MCode(int value) { return nc_code_table_detail::kMCodes[value]; }
    // Returns the value of two digit characters.
    static int TwoDigitValue(int first, int second) { return (first - '0') * 10 + (second - '0'); }
};
