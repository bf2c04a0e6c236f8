#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "MessageCapture.h"
#include "TempFile.h"
#include "machineformat/DrillMachineFormat.h"
#include "machineformat/DrillMachineSchema.h"
#include "perforex/perforex.h"

// The machine format reference, docs/machine-format.md, read as its reader would: it names every
// keyword and constant of the schema, and every code block in it loads or reads as it says.
// Blocks: "fmt" a machine format file, "messages" what the load of the fmt block (or the read)
// just before writes, "drl" and "drl-hex" a program read with the last fmt block, followed by its
// "callbacks", "keyed-hex" the bytes of a keyed file that loads like the last fmt block.
namespace {

struct Block {
    std::string info;
    std::string text;
    int line;
};

struct Section {
    std::string heading;
    std::string text;
    std::vector<Block> blocks;
};

// The document's sections under "## " and "### " headings, in order, each with its text and code
// blocks.
std::vector<Section> ReadSections() {
    std::ifstream file(PERFOREX_SOURCE_DIR "/docs/machine-format.md");
    std::vector<Section> sections(1);
    std::string line;
    Block* block = nullptr;
    for (int number = 1; std::getline(file, line); ++number) {
        Section& section = sections.back();
        if (block != nullptr) {
            if (line == "```") {
                block = nullptr;
            } else {
                block->text += line + "\n";
            }
        } else if (line.rfind("```", 0) == 0) {
            section.blocks.push_back({line.substr(3), "", number});
            block = &section.blocks.back();
        } else if (line.rfind("## ", 0) == 0 || line.rfind("### ", 0) == 0) {
            sections.push_back({line, "", {}});
        } else {
            section.text += line + "\n";
        }
    }
    return sections;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// The sections under "## Keywords" headed "### `.Name`", by the name in upper case.
std::map<std::string, Section> KeywordSections() {
    const std::string prefix = "### `.";
    std::map<std::string, Section> keywords;
    bool underKeywords = false;
    for (const Section& section : ReadSections()) {
        const std::string& heading = section.heading;
        if (heading.rfind("## ", 0) == 0) {
            underKeywords = heading == "## Keywords";
        } else if (underKeywords && heading.rfind(prefix, 0) == 0) {
            keywords[Upper(heading.substr(prefix.size(), heading.size() - prefix.size() - 1))] =
                section;
        }
    }
    return keywords;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

std::string Fields(const CDrillMachineFormat& f) {
    std::ostringstream text;
    text << f.dataType << ' ' << f.dataMode << ' ' << f.stepMode << ' ' << f.zeroTruncation << ' '
         << f.characterSet << ' ' << f.arcStyle << " [" << f.delimiter << "] [" << f.commentStr
         << "] " << f.recordLength << ' ' << f.sequenceNumbering << ' ' << f.unit << ' '
         << f.integerDigits << ' ' << f.decimalDigits << ' ' << f.comments << ' ' << f.unitLength;
    return text.str();
}

// What a load (the record's fields) or a read (the callbacks and the result) gives, and the
// messages it writes.
struct Outcome {
    std::string given;
    std::string messages;
};

// Loads a machine format file of the given bytes; its messages call it machine.fmt.
Outcome Load(const std::string& bytes) {
    const TempFile file(bytes, ".fmt");
    MessageCapture capture;
    CDrillMachineFormat format;
    format.Load(capture.Stream(), file.Path());
    std::string messages = capture.Text();
    ReplaceAll(messages, file.Path(), "machine.fmt");
    return {Fields(format), messages};
}

// Writes each callback as the document shows it.
class DocumentHost : public CPerforexReader {
  public:
    void AddTool(int tool, int holeType, int diameter, int width, int height, double angle, int,
                 int, int, int, int) override {
        static const char* const kTypes[] = {"Round", "Square", "Slot", "Rectangle"};
        std::ostringstream line;
        line << "AddTool(" << tool << ", " << kTypes[holeType & 3] << ", " << diameter << ", "
             << width << ", " << height << ", " << angle << ")\n";
        calls += line.str();
    }
    void AddHit(int x, int y, int tool) override {
        calls += "AddHit(" + std::to_string(x) + ", " + std::to_string(y) + ", " +
                 std::to_string(tool) + ")\n";
    }
    void AddContour(const CVbVrtxGeom&, int tool) override {
        calls += "AddContour(" + std::to_string(tool) + ")\n";
    }

    std::string calls;
};

Outcome Read(const std::string& format, const std::string& program) {
    const TempFile formatFile(format, ".fmt");
    const TempFile programFile(program, ".drl");
    DocumentHost host;
    MessageCapture capture;
    host.SetDrillMachineFormatFile(formatFile.Path());
    const int result = host.Read(capture.Stream(), programFile.Path());
    std::string messages = capture.Text();
    ReplaceAll(messages, formatFile.Path(), "machine.fmt");
    ReplaceAll(messages, programFile.Path(), "board.drl");
    return {host.calls + "Read returns " + std::to_string(result) + "\n", messages};
}

std::string BytesOfHex(const std::string& hex) {
    std::istringstream words(hex);
    std::string bytes;
    for (unsigned value = 0; words >> std::hex >> value;) {
        bytes.push_back(static_cast<char>(value));
    }
    return bytes;
}

// docs/machine-format.md has a section for each keyword of the schema and no other. Each names
// its constants, gives its default as a line that loads to the record's default (or "none"), and
// has an example that uses it.
TEST(MachineFormatDocument, GivesEachKeywordItsConstantsDefaultAndExample) {
    const std::map<std::string, Section> sections = KeywordSections();
    const std::string defaults = Fields(CDrillMachineFormat());
    std::size_t keywords = 0;
    for (const JNP_KEYWORD_DEF* k = kDrillMachineKeywords; k->id != 0; ++k, ++keywords) {
        SCOPED_TRACE(k->name);
        const auto found = sections.find(k->name);
        ASSERT_NE(found, sections.end());
        const Section& section = found->second;
        for (const char* const* name = k->constants; name != nullptr && *name != nullptr; ++name) {
            EXPECT_NE(section.text.find("`" + std::string(*name) + "`"), std::string::npos)
                << *name;
        }
        const std::string kDefault = "\n- Default: ";
        const auto at = section.text.find(kDefault);
        ASSERT_NE(at, std::string::npos);
        const auto begin = at + kDefault.size();
        const std::string line = section.text.substr(begin, section.text.find('\n', begin) - begin);
        if (line.rfind("`.", 0) == 0) {
            EXPECT_EQ(Load(line.substr(1, line.find('`', 1) - 1)).given, defaults) << line;
        } else {
            EXPECT_EQ(line.rfind("none", 0), 0u) << line;
        }
        bool used = false;
        for (const Block& block : section.blocks) {
            used = used || (block.info == "fmt" &&
                            ("\n" + Upper(block.text)).find("\n." + std::string(k->name)) !=
                                std::string::npos);
        }
        EXPECT_TRUE(used);
    }
    EXPECT_EQ(sections.size(), keywords);
}

TEST(MachineFormatDocument, ListsEveryConstantWithItsValue) {
    std::map<std::string, int> schema;
    for (const JNP_CONST_DEF* c = kDrillMachineConstants; c->name != nullptr; ++c) {
        schema[c->name] = c->value;
    }
    std::map<std::string, int> document;
    for (const Section& section : ReadSections()) {
        if (section.heading != "## Constants") {
            continue;
        }
        std::istringstream lines(section.text);
        std::string name;
        for (std::string line; std::getline(lines, line);) {
            std::istringstream row(line);
            int value = 0;
            if (line.rfind("| `", 0) == 0 && std::getline(row.ignore(3), name, '`') &&
                row.ignore(3) >> value) {
                document[name] = value;
            }
        }
    }
    EXPECT_EQ(document, schema);
}

TEST(MachineFormatDocument, ExamplesLoadAndReadAsShown) {
    std::vector<Block> blocks;
    for (const Section& section : ReadSections()) {
        blocks.insert(blocks.end(), section.blocks.begin(), section.blocks.end());
    }
    // Returns the text of block i + 1 when its info is wanted, moving i onto it; else "".
    const auto following = [&blocks](std::size_t& i, const std::string& wanted) {
        if (i + 1 < blocks.size() && blocks[i + 1].info == wanted) {
            return blocks[++i].text;
        }
        return std::string();
    };
    ASSERT_FALSE(blocks.empty());
    std::string format;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Block& block = blocks[i];
        SCOPED_TRACE("docs/machine-format.md:" + std::to_string(block.line));
        if (block.info == "fmt") {
            format = block.text;
            EXPECT_EQ(Load(format).messages, following(i, "messages"));
        } else if (block.info == "drl" || block.info == "drl-hex") {
            const Outcome outcome =
                Read(format, block.info == "drl" ? block.text : BytesOfHex(block.text));
            EXPECT_EQ(outcome.given, following(i, "callbacks"));
            EXPECT_EQ(outcome.messages, following(i, "messages"));
        } else if (block.info == "keyed-hex") {
            const Outcome keyed = Load(BytesOfHex(block.text));
            EXPECT_EQ(keyed.given, Load(format).given);
            EXPECT_EQ(keyed.messages, "");
        } else {
            ADD_FAILURE() << "a block no test checks: " << block.info;
        }
    }
}

}  // namespace
