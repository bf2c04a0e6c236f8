#include "MessageCapture.h"

#include <cstdlib>
#include <stdexcept>

MessageCapture::MessageCapture() : stream_(open_memstream(&buffer_, &size_)) {
    if (stream_ == nullptr) {
        throw std::runtime_error("open_memstream failed");
    }
}

MessageCapture::~MessageCapture() {
    std::fclose(stream_);
    std::free(buffer_);
}

std::string MessageCapture::Text() {
    std::fflush(stream_);
    return std::string(buffer_, size_);
}
