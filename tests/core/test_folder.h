#pragma once
// A fresh folder for one test, removed with everything in it when the test ends. Its path uses backslashes
// on every build: the native file binding reads a backslash as the folder separator.

#include <string>

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

  private:
    std::string path_;
};

}  // namespace tagmora::testing
