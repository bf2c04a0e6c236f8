#include "FilePlating.h"

#include <cctype>

#include "perforex/DrillWriter.h"

namespace {

// The file's name without folder and extension, in capitals.
std::string Stem(const std::string& path) {
    const std::size_t folder = path.find_last_of("/\\:");
    std::string name = folder == std::string::npos ? path : path.substr(folder + 1);
    const std::size_t extension = name.rfind('.');
    if (extension != std::string::npos && extension > 0) {
        name.resize(extension);
    }
    for (char& c : name) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return name;
}

bool EndsWithWord(const std::string& stem, const std::string& word) {
    if (stem.size() <= word.size() || stem.compare(stem.size() - word.size(), word.size(), word)) {
        return false;
    }
    const char before = stem[stem.size() - word.size() - 1];
    return before == '-' || before == '_';
}

}  // namespace

int FilePlating::FromName(const std::string& path) {
    const std::string stem = Stem(path);
    if (EndsWithWord(stem, "NPTH")) {
        return CDrillWriter::NonPlated;
    }
    return EndsWithWord(stem, "PTH") ? CDrillWriter::Plated : CDrillWriter::PlatingUnknown;
}
