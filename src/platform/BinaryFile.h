#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Whole-file reads and writes. Every failure raises the RuntimeError the author is shown
// (53 file not found, 76 path not found, 70 permission denied, 61 disk full, ...).

// Files larger than this are refused as "Out of memory" before anything is allocated.
constexpr std::int64_t kLargestReadableFile = std::int64_t{1} << 30;

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

// Creates or empties the file and writes the bytes, checking every write.
void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);

// Replaces the file with the bytes so that at every moment the path holds either the whole old
// file or the whole new one: the bytes go to a new file beside it, are flushed to disk, and
// that file is renamed over the path. On failure the old file is untouched.
void ReplaceFileWithBytes(const std::string& path, std::span<const std::uint8_t> bytes);

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

// The path itself when that file exists; otherwise a file of the same folder whose name differs
// only in letter case (files made on a system that ignores case), or the path itself when there
// is none.
std::string FindFileIgnoringCase(const std::string& path);
