#pragma once

#include "platform/core/BinaryFile.h"
#include "platform/core/ByteBuffer.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

// A file's bytes from front to back, one part at a time. A reader looks ahead to learn from a
// part's own size fields how long the part is, then takes it as a slice of its own. The bytes of
// the parts already taken are let go: a file on disk is read a piece at a time into one buffer,
// never held whole, and a read that stops early has read no more of it than it needed.
class ByteSource {
  public:
    // A file image that is in memory already, or the rest of one from position first on.
    explicit ByteSource(std::span<const std::uint8_t> image, FilePos first = 1);
    // A file on disk, opened and refused as ReadFileBytes opens and refuses one (with the same
    // errors and the same size limit); nothing of it is read yet.
    explicit ByteSource(const std::string& path, std::int64_t largest = kLargestReadableFile);
    ~ByteSource();
    ByteSource(const ByteSource&) = delete;
    ByteSource& operator=(const ByteSource&) = delete;

    // The position of the first byte not taken yet.
    FilePos Pos() const { return pos_; }

    // Up to count bytes from Pos() on, at their file positions; fewer only where the file ends.
    // Valid until the next Ahead or Take.
    ByteReader Ahead(std::size_t count);
    // The next count bytes (fewer where the file ends) as a part of their own; Pos() moves past
    // them. Valid until the next Ahead or Take.
    ByteReader Take(std::size_t count);

  private:
    // Makes count bytes from Pos() on lie in the buffer, or as many as the file still holds.
    void Fill(std::size_t count);

    FilePos pos_ = 1;
    // The bytes from Pos() on that are at hand: the rest of an image, or what the buffer holds.
    const std::uint8_t* next_ = nullptr;
    std::size_t ready_ = 0;

    // A file on disk: its descriptor, what of it is still to be read, and the buffer.
    int fd_ = -1;
    std::int64_t unread_ = 0;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t capacity_ = 0;
};

// How far the part that starts at a source's position reaches, found from the part's own size
// fields, looking no further ahead than they lead. Where the file ends before a size field the
// part runs to the file's end, and its reader meets the end where it would have.
class PartExtent {
  public:
    explicit PartExtent(ByteSource& source, bool bigEndian = false)
        : source_(source), bigEndian_(bigEndian) {}

    // Bytes whose count is known.
    void Add(std::size_t count) { size_ += count; }
    // The values at an offset from the part's start; 0 where the file ends first.
    std::int16_t I16At(std::size_t offset);
    std::uint8_t U8At(std::size_t offset);
    // Adds the lengths of count texts, whose one length byte each lies at the offset.
    void AddTextLengths(std::size_t offset, std::size_t count);
    // Adds a text table at the part's current end: count length bytes, then the texts.
    void AddTextTable(std::size_t count);

    std::size_t Size() const { return open_ ? kToTheEnd : size_; }

  private:
    static constexpr std::size_t kToTheEnd = ~std::size_t{0};
    // The bytes from the offset on, or null where the file ends first.
    const std::uint8_t* Bytes(std::size_t offset, std::size_t count);

    ByteSource& source_;
    bool bigEndian_;
    std::size_t size_ = 0;
    bool open_ = false;
};
