#pragma once

#include <cstdint>
#include <span>
#include <string>

// A new file made in the folder of the file it is to replace, written and flushed to disk, that
// takes the file's place only when committed, so that the path holds either the whole old file
// or the whole new one at every moment. A staged file that is not committed is removed.
//
// Several staged files can be written before any is committed, so that a save of two files
// replaces neither when either cannot be written. Two files are replaced as a pair by
// committing the first with CommitKeepingOld and putting its old file back when the second
// cannot be committed.
class StagedFile {
  public:
    // Stages a replacement for path. A symbolic link at path is followed: the file it names is
    // replaced and the link stays. An existing file that its mode does not let the user write
    // is refused with "Path/File access error", as copying over it would be, and so is anything
    // but a regular file in its place (a folder, a pipe, a device). Staging files that
    // an earlier save of the same name left behind (the program ended mid-save) are removed.
    // The staging file gets the mode of the file it replaces, or that of a new file.
    explicit StagedFile(const std::string& path);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Writes the bytes; with flush, waits until they are on the disk.
    void Write(std::span<const std::uint8_t> bytes, bool flush = true);
    // Renames the staging file over the target.
    void Commit();
    // The same, but the file it replaces stays reachable under a second staging name until
    // PutOldBack, or until this object goes.
    void CommitKeepingOld();
    // Undoes CommitKeepingOld: the old file takes its place again, or the new one is removed
    // when there was none. Should even that fail, the old file stays under its second name,
    // which no cleanup removes, and that name is returned; otherwise the result is empty.
    std::string PutOldBack() noexcept;

    const std::string& TargetPath() const { return target_; }
    const std::string& StagingPath() const { return staging_; }

  private:
    void CloseStaging();

    std::string target_;
    std::string staging_;
    std::string kept_; // the replaced file's second name while it is kept
    bool replacedNothing_ = false;
    int fd_ = -1;
    bool committed_ = false;
};

// Removes what saves that never finished left in the folder: regular files of this user with a
// staging name (StagingNamePrefix followed by a unique part, or an older version's
// NAME.saving-XXXXXX). Nothing else is touched.
void RemoveStagingLeftovers(const std::string& folder);

// Puts a spare copy of a staged file's bytes at path (replacing what is there): a second name
// for the staged file when both lie on one file system, so that its bytes are not written
// twice, else a copy written out but not flushed, since it is only a spare.
void KeepCopyOfStagedFile(const StagedFile& staged, std::span<const std::uint8_t> bytes,
                          const std::string& path);

// The short name under which a file of this name is staged, before the part that makes it
// unique: a dot, eight hexadecimal digits drawn from the name, and a dot. Short, so that a name
// of the longest length the system allows can still be staged beside itself.
std::string StagingNamePrefix(const std::string& fileName);
// The same for the old file that a pair's replacement keeps aside, ending in "~" instead of the
// last dot: the old file may be the only copy of the author's last save, so no cleanup of
// staging leftovers matches it.
std::string KeptNamePrefix(const std::string& fileName);
