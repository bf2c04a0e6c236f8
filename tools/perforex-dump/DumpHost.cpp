#include "DumpHost.h"

#include <exception>

void DumpHost::AddSink(DumpSink* sink) {
    sinks_.push_back(sink);
}

int DumpHost::ReadFile(FILE* messageStream, const std::string& path) {
    for (DumpSink* sink : sinks_) {
        sink->BeginFile(path);
    }
    int result = 0;
    try {
        result = Read(messageStream, path);
    } catch (const std::exception& failure) {
        std::fprintf(messageStream, "perforex-dump: reading %s stopped: %s\n", path.c_str(),
                     failure.what());
    } catch (...) {
        std::fprintf(messageStream, "perforex-dump: reading %s stopped by an exception\n",
                     path.c_str());
    }
    for (DumpSink* sink : sinks_) {
        sink->EndFile(result);
    }
    return result;
}

void DumpHost::AddContour(const CVbVrtxGeom& path, int tool) {
    for (DumpSink* sink : sinks_) {
        sink->Contour(path, tool);
    }
}

void DumpHost::AddHit(int x, int y, int tool) {
    for (DumpSink* sink : sinks_) {
        sink->Hit(x, y, tool);
    }
}

void DumpHost::AddTool(int tool, int holeType, int diameter, int width, int height, double angle,
                       int a, int b, int c, int d, int e) {
    const ToolDefinition definition{tool,   holeType, diameter,       width,
                                    height, angle,    {a, b, c, d, e}};
    for (DumpSink* sink : sinks_) {
        sink->Tool(definition);
    }
}
