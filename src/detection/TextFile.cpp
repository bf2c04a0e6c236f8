#include "detection/TextFile.h"

#include <cstdio>

#include "platform/NativeFile.h"

bool TextFile::Read(const std::string& path, std::string& text) {
    FILE* file = NativeFile::OpenToRead(path);
    if (file == nullptr) {
        return false;
    }
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, count);
    }
    std::fclose(file);
    return true;
}
