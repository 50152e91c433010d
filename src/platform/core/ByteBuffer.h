#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Positions are 1-based byte positions, as the file layouts count them.
using FilePos = std::int64_t;

// A file image being built: writes land at any position, and the image grows to hold them; a
// gap that a write leaves behind the image's end reads as zeros.
//
// The storage is not cleared when it is allocated or reused, so that an image costs one pass
// over its bytes; a writer kept from one image to the next reuses its storage.
class ByteWriter {
  public:
    ByteWriter() = default;
    ByteWriter(const ByteWriter&) = delete;
    ByteWriter& operator=(const ByteWriter&) = delete;

    // Makes room for an image of about this size at once, so that writing it does not grow
    // the storage step by step.
    void Reserve(std::size_t bytes);
    // Starts a new image in the same storage.
    void Clear() { size_ = 0; }

    void PutBytes(FilePos pos, const void* data, std::size_t count) {
        if (count > 0) std::memcpy(Room(pos, count), data, count);
    }
    void PutU8(FilePos pos, std::uint8_t value) { *Room(pos, 1) = value; }
    void PutI16(FilePos pos, std::int16_t value) {
        const auto u = static_cast<std::uint16_t>(value);
        std::uint8_t* p = Room(pos, 2);
        p[0] = static_cast<std::uint8_t>(u);
        p[1] = static_cast<std::uint8_t>(u >> 8);
    }
    void PutI32(FilePos pos, std::int32_t value) {
        const auto u = static_cast<std::uint32_t>(value);
        std::uint8_t* p = Room(pos, 4);
        p[0] = static_cast<std::uint8_t>(u);
        p[1] = static_cast<std::uint8_t>(u >> 8);
        p[2] = static_cast<std::uint8_t>(u >> 16);
        p[3] = static_cast<std::uint8_t>(u >> 24);
    }
    void PutI16BigEndian(FilePos pos, std::int16_t value);
    void PutI32BigEndian(FilePos pos, std::int32_t value);
    void PutText(FilePos pos, std::string_view text) { PutBytes(pos, text.data(), text.size()); }

    std::span<const std::uint8_t> Bytes() const { return {storage_.get(), size_}; }
    std::vector<std::uint8_t> TakeBytes();

  private:
    // Where count bytes at pos go. Writing at or before the image's end within the storage is
    // the common case and stays inline; everything else takes the slow path.
    std::uint8_t* Room(FilePos pos, std::size_t count) {
        const auto offset = static_cast<std::uint64_t>(pos - 1);
        if (pos >= 1 && offset <= size_ && count <= capacity_ - offset) {
            size_ = std::max<std::size_t>(size_, static_cast<std::size_t>(offset + count));
            return storage_.get() + offset;
        }
        return GrowFor(pos, count);
    }
    std::uint8_t* GrowFor(FilePos pos, std::size_t count);
    void Reallocate(std::size_t capacity);

    std::unique_ptr<std::uint8_t[]> storage_;
    std::size_t capacity_ = 0; // never more than the layouts can address
    std::size_t size_ = 0;
};

// A file image being read, whole or one part of it: the bytes stand at their file positions
// first, first + 1, ... Every read is checked against them: a read that would pass their end,
// or reach before the part they hold, raises "Input past end of file"; a position below 1
// raises "Bad record number".
class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> bytes, FilePos first = 1)
        : bytes_(bytes), first_(first) {}

    std::int64_t Size() const { return static_cast<std::int64_t>(bytes_.size()); }
    FilePos First() const { return first_; }
    // The position after the last byte.
    FilePos End() const { return first_ + Size(); }
    std::span<const std::uint8_t> Bytes() const { return bytes_; }

    // The count bytes from pos on as a reader of their own, cut where these bytes end, so
    // that nothing read through it can reach beyond them. pos must lie within these bytes or
    // just after them.
    ByteReader Slice(FilePos pos, std::size_t count) const;

    // Whether the count bytes at pos are all there.
    bool Has(FilePos pos, std::size_t count) const {
        const auto offset = static_cast<std::uint64_t>(pos - first_);
        return pos >= first_ && offset <= bytes_.size() && count <= bytes_.size() - offset;
    }

    // The count bytes at pos, checked.
    const std::uint8_t* At(FilePos pos, std::size_t count) const {
        const auto offset = static_cast<std::uint64_t>(pos - first_);
        if (pos >= first_ && offset <= bytes_.size() && count <= bytes_.size() - offset)
            return bytes_.data() + offset;
        RaiseOutside(pos, count);
    }

    void GetBytes(FilePos pos, void* out, std::size_t count) const {
        const std::uint8_t* p = At(pos, count);
        if (count > 0) std::memcpy(out, p, count);
    }
    std::uint8_t GetU8(FilePos pos) const { return *At(pos, 1); }
    std::int16_t GetI16(FilePos pos) const { return LittleI16(At(pos, 2)); }
    std::int32_t GetI32(FilePos pos) const { return LittleI32(At(pos, 4)); }
    std::int16_t GetI16BigEndian(FilePos pos) const { return BigI16(At(pos, 2)); }
    std::int32_t GetI32BigEndian(FilePos pos) const { return BigI32(At(pos, 4)); }

    // Raises the end-of-file error unless count bytes are there from pos on.
    void Require(FilePos pos, std::size_t count) const { At(pos, count); }

    static std::int16_t LittleI16(const std::uint8_t* p) {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
    }
    static std::int32_t LittleI32(const std::uint8_t* p) {
        return static_cast<std::int32_t>(
            static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
            (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24));
    }
    static std::int16_t BigI16(const std::uint8_t* p) {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>((p[0] << 8) | p[1]));
    }
    static std::int32_t BigI32(const std::uint8_t* p) {
        return static_cast<std::int32_t>(
            (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
            (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]));
    }

  private:
    [[noreturn]] void RaiseOutside(FilePos pos, std::size_t count) const;

    std::span<const std::uint8_t> bytes_;
    FilePos first_;
};
