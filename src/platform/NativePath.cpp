#include "platform/NativePath.h"

std::string NativePath::FolderOf(const std::string& path, Rule rule) {
    return path.substr(0, NameStart(path, rule));
}

std::string NativePath::NameOf(const std::string& path, Rule rule) {
    return path.substr(NameStart(path, rule));
}

std::string NativePath::Join(const std::string& folder, const std::string& name, Rule rule) {
    if (folder.empty() || NameStart(folder, rule) == folder.size()) {
        return folder + name;
    }
    return folder + "/" + name;
}

std::size_t NativePath::NameStart(const std::string& path, Rule rule) {
    const std::size_t separator = path.find_last_of(rule == Rule::kWindows ? "/\\" : "/");
    if (separator != std::string::npos) {
        return separator + 1;
    }
    return rule == Rule::kWindows && IsDrive(path.substr(0, 2)) ? 2 : 0;
}

bool NativePath::IsDrive(const std::string& path) {
    if (path.size() != 2 || path[1] != ':') {
        return false;
    }
    const char letter = static_cast<char>(path[0] | 0x20);
    return letter >= 'a' && letter <= 'z';
}
