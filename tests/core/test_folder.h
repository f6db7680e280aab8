#pragma once
// A fresh folder for one test, removed with everything in it when the test ends. Its path uses backslashes
// on every build: the native file binding reads a backslash as the folder separator.

#include <filesystem>
#include <string>
#include <vector>

namespace tagmora::testing {

class TestFolder {
  public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // The folder with a trailing backslash.
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }

    static std::string ReadBytes(const std::string& path);
    static void WriteBytes(const std::string& path, const std::string& bytes);
    static bool IsFile(const std::string& path);
    static bool IsFolder(const std::string& path);
    // The path as the file system library takes it on this build.
    static std::filesystem::path Native(const std::string& path);
    // The names of the files and folders in it, sorted.
    std::vector<std::string> Entries() const;

  private:
    std::string path_;
};

}  // namespace tagmora::testing
