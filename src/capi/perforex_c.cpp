// The functions of the C interface: each one stops every exception at the boundary.

#include "perforex/perforex_c.h"

#include <new>
#include <string>

#include "capi/ReadRequest.h"
#include "capi/ReadResult.h"
#include "capi/WriterHandle.h"

struct pfx_result : CReadResult {};
struct pfx_writer : CWriterHandle {};

namespace {

// Runs a request into a new result; returns the call's status.
int Run(const CReadRequest& request, pfx_result** result) {
    if (result == nullptr) {
        return PFX_ERROR_ARGUMENT;
    }
    *result = new (std::nothrow) pfx_result;
    if (*result == nullptr) {
        return PFX_ERROR_INTERNAL;
    }
    try {
        request.Run(**result);
    } catch (const std::bad_alloc&) {
        (*result)->Fail(PFX_ERROR_INTERNAL, "out of memory");
    } catch (const std::exception& error) {
        (*result)->Fail(PFX_ERROR_INTERNAL, error.what());
    } catch (...) {
        (*result)->Fail(PFX_ERROR_INTERNAL, "the read failed unexpectedly");
    }
    (*result)->Seal();
    return (*result)->Status();
}

// Runs one call on a writer, stopping every exception; returns the call's status.
template <typename Call>
int OnWriter(pfx_writer* writer, Call call) {
    if (writer == nullptr) {
        return PFX_ERROR_ARGUMENT;
    }
    try {
        return call(*writer);
    } catch (const std::bad_alloc&) {
        return writer->Fail(PFX_ERROR_INTERNAL, "out of memory");
    } catch (const std::exception& error) {
        return writer->Fail(PFX_ERROR_INTERNAL, error.what());
    } catch (...) {
        return writer->Fail(PFX_ERROR_INTERNAL, "the write failed unexpectedly");
    }
}

const char* EmptyIfNone(const pfx_result* result, const std::string& (CReadResult::*text)() const) {
    return result != nullptr ? (result->*text)().c_str() : "";
}

}  // namespace

unsigned pfx_version_number(void) {
    return PFX_VERSION_NUMBER;
}

const char* pfx_version_string(void) {
    return PFX_VERSION_STRING;
}

int pfx_read_file(const char* path, const char* machine_format, int format_kind,
                  pfx_result** result) {
    return Run(CReadRequest::OfFile(path, machine_format, format_kind), result);
}

int pfx_read_memory(const void* data, size_t size, const char* name, const char* machine_format,
                    int format_kind, pfx_result** result) {
    return Run(CReadRequest::OfMemory(data, size, name, machine_format, format_kind), result);
}

void pfx_result_free(pfx_result* result) {
    delete result;
}

const char* pfx_error_text(const pfx_result* result) {
    return EmptyIfNone(result, &CReadResult::ErrorText);
}

int pfx_result_code(const pfx_result* result) {
    return result != nullptr ? result->ResultCode() : 0;
}

size_t pfx_tool_count(const pfx_result* result) {
    return result != nullptr ? result->Tools().size() : 0;
}

const pfx_tool* pfx_tools(const pfx_result* result) {
    return result != nullptr ? result->Tools().data() : nullptr;
}

size_t pfx_hole_count(const pfx_result* result) {
    return result != nullptr ? result->HoleCount() : 0;
}

const int32_t* pfx_holes(const pfx_result* result) {
    return result != nullptr ? result->Holes() : nullptr;
}

size_t pfx_contour_count(const pfx_result* result) {
    return result != nullptr ? result->Contours().size() : 0;
}

const pfx_contour* pfx_contours(const pfx_result* result) {
    return result != nullptr ? result->Contours().data() : nullptr;
}

size_t pfx_message_count(const pfx_result* result) {
    return result != nullptr ? result->Messages().size() : 0;
}

const pfx_message* pfx_messages(const pfx_result* result) {
    return result != nullptr ? result->Messages().data() : nullptr;
}

const char* pfx_machine_format(const pfx_result* result) {
    return EmptyIfNone(result, &CReadResult::MachineFormat);
}

size_t pfx_evidence_count(const pfx_result* result) {
    return result != nullptr ? result->Evidence().size() : 0;
}

const pfx_evidence_item* pfx_evidence_items(const pfx_result* result) {
    return result != nullptr ? result->Evidence().data() : nullptr;
}

pfx_writer* pfx_writer_new(void) {
    try {
        return new pfx_writer;
    } catch (...) {
        return nullptr;
    }
}

void pfx_writer_free(pfx_writer* writer) {
    delete writer;
}

int pfx_writer_set_machine_format(pfx_writer* writer, const char* machine_format, int format_kind) {
    return OnWriter(writer, [&](CWriterHandle& handle) {
        return handle.SetMachineFormat(machine_format, format_kind);
    });
}

int pfx_writer_add_tool(pfx_writer* writer, int32_t number, int32_t hole_type, int32_t diameter,
                        int32_t width, int32_t height, double angle, int32_t plating) {
    return OnWriter(writer, [&](CWriterHandle& handle) {
        return handle.AddTool(number, hole_type, diameter, width, height, angle, plating);
    });
}

int pfx_writer_add_hit(pfx_writer* writer, int32_t x, int32_t y, int32_t tool) {
    const int32_t hole[] = {x, y, tool};
    return pfx_writer_add_hits(writer, hole, 1);
}

int pfx_writer_add_hits(pfx_writer* writer, const int32_t* holes, size_t count) {
    return OnWriter(writer, [&](CWriterHandle& handle) { return handle.AddHits(holes, count); });
}

int pfx_writer_add_contour(pfx_writer* writer, int32_t tool, int32_t width, const int32_t* vertices,
                           size_t vertex_count) {
    return OnWriter(writer, [&](CWriterHandle& handle) {
        return handle.AddContour(tool, width, vertices, vertex_count);
    });
}

int pfx_writer_write(pfx_writer* writer, const char* path) {
    return OnWriter(writer, [&](CWriterHandle& handle) { return handle.Write(path); });
}

int pfx_writer_write_memory(pfx_writer* writer, const char** program, size_t* size) {
    return OnWriter(writer,
                    [&](CWriterHandle& handle) { return handle.WriteMemory(program, size); });
}

int pfx_write_result(const pfx_result* result, const char* machine_format, int format_kind,
                     const char* path, pfx_writer** writer) {
    if (writer == nullptr) {
        return PFX_ERROR_ARGUMENT;
    }
    *writer = pfx_writer_new();
    if (*writer == nullptr) {
        return PFX_ERROR_INTERNAL;
    }
    return OnWriter(*writer, [&](CWriterHandle& handle) {
        if (result == nullptr) {
            return handle.Fail(PFX_ERROR_ARGUMENT, "no result given to write");
        }
        int status = handle.SetMachineFormat(machine_format, format_kind);
        status = status == PFX_OK ? handle.AddResult(*result) : status;
        return status == PFX_OK ? handle.Write(path) : status;
    });
}

const char* pfx_writer_error_text(const pfx_writer* writer) {
    return writer != nullptr ? writer->ErrorText().c_str() : "";
}

size_t pfx_writer_rounding_count(const pfx_writer* writer) {
    return writer != nullptr ? writer->Roundings().size() : 0;
}

const pfx_rounding* pfx_writer_roundings(const pfx_writer* writer) {
    return writer != nullptr ? writer->Roundings().data() : nullptr;
}
