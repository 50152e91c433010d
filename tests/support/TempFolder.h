#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A folder of its own for one test, removed with everything in it when the test ends.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

std::vector<std::uint8_t> FileBytes(const std::string& path);
void PutFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
void PutFileText(const std::string& path, const std::string& text);
std::string FileText(const std::string& path);

// The names in a folder, sorted.
std::vector<std::string> FolderEntries(const std::string& folder);
