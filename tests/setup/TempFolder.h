#pragma once

#include <filesystem>
#include <fstream>
#include <string>

// A fresh folder under the system's temporary directory, removed with its
// contents when the test ends.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "veldrin-setup-XXXXXX");
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Creates an empty file (and its folders) below the folder.
    void touch(const std::filesystem::path& relative) const {
        std::filesystem::create_directories((path_ / relative).parent_path());
        std::ofstream(path_ / relative).put('\0');
    }

  private:
    std::filesystem::path path_;
};

inline std::string readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
