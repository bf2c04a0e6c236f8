#pragma once

#include <string>

// Splits a path into its folder and its file name as a system's file names read: on Windows both
// '/' and '\' separate, and a drive before a bare name ("C:board.drl", the current folder of
// drive C) belongs to the folder. The rule is a parameter, so that both can be used and checked
// on any system.
class NativePath {
  public:
    enum class Rule { kPosix, kWindows };
#ifdef _WIN32
    static constexpr Rule kNative = Rule::kWindows;
#else
    static constexpr Rule kNative = Rule::kPosix;
#endif

    // Returns the path up to and with its last separator, or its drive; empty for a bare name.
    static std::string FolderOf(const std::string& path, Rule rule = kNative);
    // Returns the file name: the path after its folder.
    static std::string NameOf(const std::string& path, Rule rule = kNative);
    // Returns the path of name in folder, with a '/' between them unless the folder is empty or
    // ends where a name may follow (a separator, or a drive alone).
    static std::string Join(const std::string& folder, const std::string& name,
                            Rule rule = kNative);

  private:
    static std::size_t NameStart(const std::string& path, Rule rule);
    static bool IsDrive(const std::string& path);
};
