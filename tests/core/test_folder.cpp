#include "test_folder.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace tagmora::testing {

namespace {

std::string WithBackslashes(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

fs::path FromBackslashes(std::string path) {
#if !defined(_WIN32)
    std::replace(path.begin(), path.end(), '\\', '/');
#endif
    return fs::path(path);
}

}  // namespace

TestFolder::TestFolder() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path folder = fs::temp_directory_path() /
                            ("tagmora-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(folder);
    path_ = WithBackslashes(folder.string());
    if (path_.back() != '\\')
        path_ += '\\';
}

TestFolder::~TestFolder() {
    std::error_code ignored;
    fs::permissions(FromBackslashes(path_), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(FromBackslashes(path_), ignored);
}

std::string TestFolder::ReadBytes(const std::string& path) {
    std::ifstream in(FromBackslashes(path), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void TestFolder::WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(FromBackslashes(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool TestFolder::IsFile(const std::string& path) {
    return fs::is_regular_file(FromBackslashes(path));
}

bool TestFolder::IsFolder(const std::string& path) {
    return fs::is_directory(FromBackslashes(path));
}

fs::path TestFolder::Native(const std::string& path) {
    return FromBackslashes(path);
}

std::vector<std::string> TestFolder::Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(FromBackslashes(path_)))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace tagmora::testing
