#pragma once

#include <string>
#include <string_view>
#include <vector>

// Sequential text files of single-byte characters: lines are written with CR LF and read with
// either CR LF or LF.
class TextFileBuilder {
  public:
    void WriteLine(std::string_view line);
    const std::string& Contents() const { return contents_; }

  private:
    std::string contents_;
};

// Reads every line of a text file (errors as ReadFileBytes). A last line without a line end
// counts; an empty file has no lines.
std::vector<std::string> ReadTextFileLines(const std::string& path);

std::vector<std::string> SplitTextLines(std::string_view contents);
