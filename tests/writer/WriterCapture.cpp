#include "WriterCapture.h"

#include <cstdio>

#include "platform/NativeFile.h"

void WriterCapture::AddContour(const CVbVrtxGeom& path, int tool) {
    contours.push_back(
        {tool, path.GetWidth(), path.GetRecord()[0], holes.size(), GetContourVertices(path)});
    if (writer != nullptr) {
        writer->AddContour(path, tool);
    }
}

void WriterCapture::AddHit(int x, int y, int tool) {
    holes.push_back({x, y, tool});
    if (writer != nullptr) {
        writer->AddHit(x, y, tool);
    }
}

void WriterCapture::AddTool(int tool, int holeType, int diameter, int width, int height,
                            double angle, int, int, int, int, int) {
    tools.push_back(
        {double(tool), double(holeType), double(diameter), double(width), double(height), angle});
    if (writer != nullptr) {
        writer->AddTool(tool, holeType, diameter, width, height, angle);
    }
}

void WriterCapture::Apply(const CDrillWriter& rounded) {
    for (int index = 0; index < rounded.GetRoundingCount(); ++index) {
        const CWriteRounding r = rounded.GetRounding(index);
        if (r.value <= CWriteRounding::ToolHeight) {
            tools[r.item][2 + r.value] = r.written;
        } else if (r.value <= CWriteRounding::HoleY) {
            holes[r.item][r.value - CWriteRounding::HoleX] = r.written;
        } else if (r.value == CWriteRounding::ContourWidth) {
            contours[r.item].width = r.written;
        } else {
            CVbVertex& vertex = contours[r.item].vertices[r.vertex];
            (r.value == CWriteRounding::VertexX   ? vertex.x
             : r.value == CWriteRounding::VertexY ? vertex.y
                                                  : vertex.r) = r.written;
        }
    }
}

std::string WriterCapture::Transcript() const {
    std::string text;
    char line[200];
    for (const auto& t : tools) {
        std::snprintf(line, sizeof line, "tool %g %g %g %g %g %.17g\n", t[0], t[1], t[2], t[3],
                      t[4], t[5]);
        text += line;
    }
    std::size_t hole = 0;
    for (std::size_t contour = 0; contour <= contours.size(); ++contour) {
        const bool last = contour == contours.size();
        for (; hole < (last ? holes.size() : contours[contour].holesBefore); ++hole) {
            std::snprintf(line, sizeof line, "hit %d %d %d\n", holes[hole][0], holes[hole][1],
                          holes[hole][2]);
            text += line;
        }
        if (!last) {
            const Contour& c = contours[contour];
            text += "contour " + std::to_string(c.tool) + ' ' + std::to_string(c.width) + ' ' +
                    std::to_string(c.header) + ':';
            for (const CVbVertex& v : c.vertices) {
                std::snprintf(line, sizeof line, " %d %d %d", v.x, v.y, v.r);
                text += line;
            }
            text += '\n';
        }
    }
    return text;
}

FILE* NullSink() {
    static FILE* const sink = NativeFile::OpenNull();
    return sink;
}

WriterCapture ReadBack(const std::string& machineFormat, const std::string& program) {
    WriterCapture capture;
    capture.SetDrillMachineFormatText(machineFormat);
    capture.ReadMemory(NullSink(), program.data(), program.size(), "written.drl");
    return capture;
}
