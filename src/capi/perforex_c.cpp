// The functions of the C interface: each one stops every exception at the boundary.

#include "perforex/perforex_c.h"

#include <new>
#include <string>

#include "capi/ReadRequest.h"
#include "capi/ReadResult.h"

struct pfx_result : CReadResult {};

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
