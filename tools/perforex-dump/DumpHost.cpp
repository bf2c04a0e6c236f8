#include "DumpHost.h"

#include <exception>

void DumpHost::AddSink(DumpSink* sink) {
    sinks_.push_back(sink);
}

int DumpHost::ReadFile(FILE* messageStream, const std::string& path, const std::string& bytes) {
    for (DumpSink* sink : sinks_) {
        sink->BeginFile(path);
    }
    delivered_ = 0;
    try {
        return ReadMemory(messageStream, bytes.data(), bytes.size(), path);
    } catch (const std::exception& failure) {
        std::fprintf(messageStream, "Error: reading %s stopped: %s\n", path.c_str(),
                     failure.what());
    } catch (...) {
        std::fprintf(messageStream, "Error: reading %s stopped by an exception\n", path.c_str());
    }
    return 0;
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
