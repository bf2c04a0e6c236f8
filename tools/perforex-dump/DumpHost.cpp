#include "DumpHost.h"

#include <exception>

void DumpHost::AddSink(DumpSink* sink) {
    sinks_.push_back(sink);
}

int DumpHost::ReadFile(FILE* messageStream, MessageRelay& relay, const std::string& path,
                       const std::string& bytes) {
    for (DumpSink* sink : sinks_) {
        sink->BeginFile(path);
    }
    delivered_ = 0;
    relay_ = &relay;
    int result = 0;
    try {
        result = ReadMemory(messageStream, bytes.data(), bytes.size(), path);
    } catch (const std::exception& failure) {
        relay.Take("Error: reading " + path + " stopped: " + failure.what() + "\n");
    } catch (...) {
        relay.Take("Error: reading " + path + " stopped by an exception\n");
    }
    relay_ = nullptr;
    return result;
}

void DumpHost::AddMessage(const CReaderMessage& message) {
    // The load of a machine format outside any drill file's read is taken from its stream.
    if (relay_ == nullptr) {
        return;
    }
    relay_->Take(message.text.Str());
    for (DumpSink* sink : sinks_) {
        sink->Message(message);
    }
}

void DumpHost::FinishFile(const FileVerdict& verdict) {
    for (DumpSink* sink : sinks_) {
        sink->EndFile(verdict);
    }
}

void DumpHost::SkipFile(const std::string& path, const std::string& reason) {
    for (DumpSink* sink : sinks_) {
        sink->NotRead(path, reason);
    }
}

void DumpHost::AddContour(const CVbVrtxGeom& path, int tool) {
    ++delivered_;
    for (DumpSink* sink : sinks_) {
        sink->Contour(path, tool);
    }
}

void DumpHost::AddHit(int x, int y, int tool) {
    ++delivered_;
    for (DumpSink* sink : sinks_) {
        sink->Hit(x, y, tool);
    }
}

void DumpHost::AddTool(int tool, int holeType, int diameter, int width, int height, double angle,
                       int a, int b, int c, int d, int e) {
    ++delivered_;
    const ToolDefinition definition{tool,   holeType, diameter,        width,
                                    height, angle,    {a, b, c, d, e}, GetToolPlating(tool)};
    for (DumpSink* sink : sinks_) {
        sink->Tool(definition);
    }
}
