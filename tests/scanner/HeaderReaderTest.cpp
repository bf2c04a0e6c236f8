#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScanTrace.h"

namespace {

using Tokens = std::vector<std::string>;
using Lines = std::vector<std::string>;

struct HeaderCase {
    const char* name;
    std::string program;
    Tokens tokens;
    Lines toolLines;
};

TEST(HeaderReader, CollectsToolDefinitionsAndPassesOverDirectives) {
    const HeaderCase cases[] = {
        {"tool definitions after a directive",
         "M48\nINCH,LZ\nT01C0.0200\nT02C0.0350\n%\nX1\n",
         {"code 40 @5", "X 0.0001 end @7"},
         {"01C0.0200", "02C0.0350"}},
        {"the T of a directive line starts nothing", "M48\nMETRIC,TZ\n%\n", {"code 40 @3"}, {}},
        {"every directive start", "M48\nFMAT,2\nICI,ON\nMM\nINCH,TZ\n%\n", {"code 40 @6"}, {}},
        {"a T inside any other line starts a definition",
         "M48\nDETECT,ON\n%\n",
         {"code 40 @3"},
         {"ECT,ON"}},
        {"a lone T appends an empty text", "M48\nT\n%\n", {"code 40 @3"}, {""}},
        {"a directive start inside a definition is part of it",
         "M48\nT03INCH\n%\n",
         {"code 40 @3"},
         {"03INCH"}},
        {"a header ended by M95 runs on to the next percent sign",
         "M48\nT01C0.1\nM95\nT02C0.2\nX1T03\n%\nX1\n",
         {"code 40 @6", "X 0.0001 end @8"},
         {"01C0.1", "02C0.2", "03"}},
        {"a header without a percent sign ends at the end of the input",
         "M48\nT01C0.1\nINCH",
         {"code 40 @3"},
         {"01C0.1"}},
        {"header and comment definitions share the list",
         ";T07C1\nM48\nT08C2\n%\n;T09C3\n",
         {"code 40 @4"},
         {"07C1", "08C2", "09C3"}},
    };
    for (const HeaderCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ScanTrace trace(c.program, MakeFormat(2, 4));
        EXPECT_EQ(trace.tokens, c.tokens);
        EXPECT_EQ(trace.toolLines, c.toolLines);
        EXPECT_EQ(trace.messages, "");
    }
}

}  // namespace
