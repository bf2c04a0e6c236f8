#include "JsonWriter.h"

#include <cmath>
#include <cstdlib>

#include "Utf8Text.h"
#include "perforex/ContourVertices.h"
#include "perforex/ReaderMessage.h"
#include "perforex/VbVrtxGeom.h"

namespace {

// Writes a double as the shortest decimal that reads back the same; JSON has no infinity or NaN,
// so those become null.
void WriteNumber(FILE* out, double value) {
    if (!std::isfinite(value)) {
        std::fputs("null", out);
        return;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    if (std::strtod(text, nullptr) != value) {
        std::snprintf(text, sizeof text, "%.17g", value);
    }
    std::fputs(text, out);
}

// Names of the geometry kinds 1 to 8, by which the JSON tells them apart.
const char* KindName(int kind) {
    static const char* const kNames[] = {"circlePath",  "circleShape",  "rectPath",
                                         "rectShape",   "polylinePath", "polylineShape",
                                         "polyarcPath", "polyarcShape"};
    return kind >= 1 && kind <= 8 ? kNames[kind - 1] : "unknown";
}

// Returns how the read counted a message, as a JSON value.
const char* KindOfMessage(int kind) {
    switch (kind) {
        case CReaderMessage::Error:
            return "\"error\"";
        case CReaderMessage::Warning:
            return "\"warning\"";
        default:
            return "null";
    }
}

void WriteFlag(FILE* out, const char* name, int header, int bit) {
    std::fprintf(out, ", \"%s\": %s", name, (header & bit) != 0 ? "true" : "false");
}

}  // namespace

JsonWriter::JsonWriter(FILE* out, const std::string& machineFormatFile) : out_(out) {
    std::fputs("{\"machineFormat\": ", out_);
    if (machineFormatFile.empty()) {
        std::fputs("null", out_);
    } else {
        WriteString(out_, machineFormatFile);
    }
    std::fputs(", \"reads\": [", out_);
}

void JsonWriter::Finish() {
    std::fputs("\n]}\n", out_);
}

void JsonWriter::BeginFileObject(const std::string& path) {
    std::fputs(firstFile_ ? "\n{\"file\": " : ",\n{\"file\": ", out_);
    firstFile_ = false;
    WriteString(out_, path);
}

void JsonWriter::BeginFile(const std::string& path) {
    BeginFileObject(path);
    WriteFormat();
    firstCallback_ = true;
    std::fputs(", \"callbacks\": [", out_);
}

void JsonWriter::WriteFormat() {
    const bool fromFile = !format_.file.empty();
    std::fputs(fromFile ? ", \"machineFormat\": {\"file\": " : ", \"machineFormat\": {\"text\": ",
               out_);
    WriteString(out_, fromFile ? format_.file : format_.text);
    std::fputs("}, \"evidence\": [", out_);
    const char* separator = "";
    for (const CFormatEvidence& decision : format_.evidence) {
        std::fprintf(out_, "%s{\"item\": ", separator);
        WriteString(out_, decision.item.Str());
        std::fputs(", \"value\": ", out_);
        WriteString(out_, decision.value.Str());
        std::fputs(", \"reason\": ", out_);
        WriteString(out_, decision.reason.Str());
        std::fprintf(out_, ", \"line\": %d, \"text\": ", decision.line);
        WriteString(out_, decision.text.Str());
        std::fputs("}", out_);
        separator = ", ";
    }
    std::fputs("]", out_);
}

void JsonWriter::NotRead(const std::string& path, const std::string& reason) {
    BeginFileObject(path);
    std::fputs(", \"notRead\": ", out_);
    WriteString(out_, reason);
    std::fputs("}", out_);
}

void JsonWriter::BeginCallback(const char* name) {
    std::fprintf(out_, "%s{\"callback\": \"%s\"", firstCallback_ ? "\n" : ",\n", name);
    firstCallback_ = false;
}

void JsonWriter::Tool(const ToolDefinition& tool) {
    BeginCallback("AddTool");
    std::fprintf(out_,
                 ", \"tool\": %d, \"holeType\": %d, \"holeTypeName\": \"%s\", \"diameter\": %d, "
                 "\"width\": %d, \"height\": %d, \"angle\": ",
                 tool.tool, tool.holeType, tool.HoleTypeName(), tool.diameter, tool.width,
                 tool.height);
    WriteNumber(out_, tool.angle);
    std::fprintf(out_, ", \"trailing\": [%d, %d, %d, %d, %d], \"plating\": \"%s\"}",
                 tool.trailing[0], tool.trailing[1], tool.trailing[2], tool.trailing[3],
                 tool.trailing[4], tool.PlatingName());
}

void JsonWriter::Hit(int x, int y, int tool) {
    BeginCallback("AddHit");
    std::fprintf(out_, ", \"x\": %d, \"y\": %d, \"tool\": %d}", x, y, tool);
}

void JsonWriter::Contour(const CVbVrtxGeom& path, int tool) {
    BeginCallback("AddContour");
    const int* record = path.GetRecord();
    const int words = path.GetWordCount();
    const int header = words > 0 ? record[0] : 0;
    const int kind = header & CVbVrtxGeom::kGeomKindMask;
    std::fprintf(out_, ", \"tool\": %d, \"kind\": \"%s\", \"kindCode\": %d, \"width\": %d", tool,
                 KindName(kind), kind, path.GetWidth());
    WriteFlag(out_, "closed", header, CVbVrtxGeom::kClosedBit);
    WriteFlag(out_, "breaks", header, CVbVrtxGeom::kBreaksBit);
    WriteFlag(out_, "counterClockwise", header, CVbVrtxGeom::kCounterClockwiseBit);
    WriteFlag(out_, "userFlag", header, CVbVrtxGeom::kUserFlagBit);
    WriteFlag(out_, "auxFlag", header, CVbVrtxGeom::kAuxFlagBit);
    std::fputs(", \"vertices\": [", out_);
    const char* separator = "";
    for (const CVbVertex& vertex : GetContourVertices(path)) {
        std::fprintf(out_, "%s[%d, %d, %d]", separator, vertex.x, vertex.y, vertex.r);
        separator = ", ";
    }
    std::fputs("], \"record\": [", out_);
    for (int word = 0; word < words; ++word) {
        std::fprintf(out_, word == 0 ? "%d" : ", %d", record[word]);
    }
    std::fputs("]}", out_);
}

void JsonWriter::Message(const CReaderMessage& message) {
    BeginCallback("AddMessage");
    std::fprintf(out_, ", \"number\": %d, \"line\": %d, \"kind\": %s, \"text\": ", message.number,
                 message.line, KindOfMessage(message.kind));
    WriteString(out_, message.text.Str());
    std::fputs("}", out_);
}

void JsonWriter::EndFile(const FileVerdict& verdict) {
    std::fprintf(out_,
                 "%s], \"result\": %d, \"errors\": %d, \"warnings\": %d, \"messages\": %d, "
                 "\"checks\": [",
                 firstCallback_ ? "" : "\n", verdict.result, verdict.errors, verdict.warnings,
                 verdict.messages);
    const char* separator = "";
    for (const std::string& check : verdict.checks) {
        std::fputs(separator, out_);
        WriteString(out_, check);
        separator = ", ";
    }
    std::fputs("]}", out_);
}

void JsonWriter::WriteString(FILE* out, const std::string& text) {
    std::fputc('"', out);
    std::size_t index = 0;
    while (index < text.size()) {
        const unsigned char byte = static_cast<unsigned char>(text[index]);
        if (byte == '"' || byte == '\\') {
            std::fputc('\\', out);
            std::fputc(byte, out);
        } else if (byte < 0x20) {
            std::fprintf(out, "\\u%04x", byte);
        } else if (byte >= 0x80) {
            const std::size_t length = Utf8Text::SequenceLength(text, index);
            if (length == 0) {
                std::fputs("\\ufffd", out);
            } else {
                std::fwrite(text.data() + index, 1, length, out);
                index += length;
                continue;
            }
        } else {
            std::fputc(byte, out);
        }
        ++index;
    }
    std::fputc('"', out);
}
