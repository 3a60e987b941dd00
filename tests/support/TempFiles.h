#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

// A private folder for the files one test process writes, removed when the
// process ends; the tests run as separate processes side by side, so each
// needs its own.
class TempFolder {
public:
    TempFolder() {
        path_ = (std::filesystem::temp_directory_path() / "kelvane-test-XXXXXX").string();
        if (!mkdtemp(path_.data()))
            throw std::runtime_error("cannot create a temporary folder");
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

inline const std::string& tempFolder() {
    static const TempFolder folder;
    return folder.path();
}

// Writes `content` to a file of that name in the temporary folder; returns its path.
inline std::string writeTempFile(const std::string& name, const std::string& content) {
    const std::string path = tempFolder() + "/" + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

inline std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
