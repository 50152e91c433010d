#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Whole-file reads and writes. Every failure raises the RuntimeError the author is shown
// (53 file not found, 76 path not found, 70 permission denied, 61 disk full, ...).

// Files larger than this are refused as "Out of memory" before anything is allocated.
constexpr std::int64_t kLargestReadableFile = std::int64_t{1} << 30;

// Only a regular file is read: anything else (a folder, a pipe, a device) is refused with
// "Path/File access error" at once, without waiting on it. A file larger than largest is
// refused as "Out of memory".
std::vector<std::uint8_t> ReadFileBytes(const std::string& path,
                                        std::int64_t largest = kLargestReadableFile);

// A regular file read piece by piece, for readers that keep less than the file holds. Refused
// as ReadFileBytes refuses it.
class FileInPieces {
  public:
    explicit FileInPieces(const std::string& path);
    ~FileInPieces();
    FileInPieces(const FileInPieces&) = delete;
    FileInPieces& operator=(const FileInPieces&) = delete;
    // Reads up to out.size() bytes into out; 0 at the end of the file.
    std::size_t Read(std::span<std::uint8_t> out);

  private:
    int fd_;
};

// Creates or empties the file and writes the bytes, checking every write.
void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);

// Replaces the file with the bytes so that at every moment the path holds either the whole old
// file or the whole new one (see StagedFile). On failure the old file is untouched.
void ReplaceFileWithBytes(const std::string& path, std::span<const std::uint8_t> bytes);

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

// The path itself when that file exists; otherwise a file of the same folder whose name differs
// only in letter case (files made on a system that ignores case), or the path itself when there
// is none.
std::string FindFileIgnoringCase(const std::string& path);

// Tests make the disk fail as a full or broken one would, to prove that every write is checked
// and a failed save keeps the earlier files. Each error is an errno value; 0 is no fault.
struct WriteFaults {
    // Writes fail with ENOSPC once this many bytes have been written since the faults were set,
    // across all files, as on a disk that had this much room left. Negative: no limit.
    std::int64_t bytesBeforeDiskFull = -1;
    int createError = 0; // creating or opening a file for writing
    int syncError = 0;   // flushing a written file to the disk
    int renameError = 0; // putting a written file in its place
    // When set, only renames onto this path fail with renameError, so that a test can fail the
    // second of two replacements and see the first one undone.
    std::string renameOnto{};
    // Renames that succeed before renameError applies, so that a test can fail a later one.
    int renamesBeforeError = 0;
    int linkError = 0; // giving a file a second name
};

// Installs the faults (all writes from now on see them); a default WriteFaults removes them.
void SetWriteFaultsForTesting(const WriteFaults& faults);
bool WriteFaultsInstalled();
