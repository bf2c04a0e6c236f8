#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>

// A new folder in the system's temporary folder, removed with everything in it when the object
// goes away. Its paths are UTF-8 and end in the system's own separator, as a user's would.
class TempFolder {
  public:
    TempFolder() {
        std::random_device random;
        do {
            folder_ = std::filesystem::temp_directory_path() /
                      ("perforex_test_" + std::to_string(random()));
        } while (!std::filesystem::create_directory(folder_));
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Returns the folder's path with a separator at its end.
    std::string Path() const { return (folder_ / "").u8string(); }
    // Writes a file of the bytes into the folder; returns its path.
    std::string Add(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path path = folder_ / std::filesystem::u8path(name);
        std::ofstream file(path, std::ios::binary);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            throw std::runtime_error("cannot write " + path.u8string());
        }
        return path.u8string();
    }

  private:
    std::filesystem::path folder_;
};
