#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Positions are 1-based byte positions, as the file layouts count them.
using FilePos = std::int64_t;

// A file image being built: writes land at any position, and the image grows (zero-filled)
// to hold them.
class ByteWriter {
  public:
    // Makes room for an image of about this size at once, so that writing it does not grow
    // the storage step by step.
    void Reserve(std::size_t bytes);

    void PutBytes(FilePos pos, const void* data, std::size_t count);
    void PutU8(FilePos pos, std::uint8_t value) { PutBytes(pos, &value, 1); }
    void PutI16(FilePos pos, std::int16_t value);
    void PutI32(FilePos pos, std::int32_t value);
    void PutI16BigEndian(FilePos pos, std::int16_t value);
    void PutI32BigEndian(FilePos pos, std::int32_t value);
    void PutText(FilePos pos, std::string_view text) { PutBytes(pos, text.data(), text.size()); }

    std::span<const std::uint8_t> Bytes() const { return {bytes_.data(), size_}; }
    std::vector<std::uint8_t> TakeBytes();

  private:
    // The storage runs ahead of the image's size, zero-filled in large steps rather than
    // field by field.
    std::vector<std::uint8_t> bytes_;
    std::size_t size_ = 0;
};

// A file image being read. Every read is checked against the image: a read that would pass
// its end raises "Input past end of file"; a position below 1 raises "Bad record number".
class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::int64_t Size() const { return static_cast<std::int64_t>(bytes_.size()); }

    void GetBytes(FilePos pos, void* out, std::size_t count) const;
    std::uint8_t GetU8(FilePos pos) const;
    std::int16_t GetI16(FilePos pos) const;
    std::int32_t GetI32(FilePos pos) const;
    std::int16_t GetI16BigEndian(FilePos pos) const;
    std::int32_t GetI32BigEndian(FilePos pos) const;
    std::string GetText(FilePos pos, std::size_t count) const;

    // Raises the end-of-file error unless count bytes are there from pos on.
    void Require(FilePos pos, std::size_t count) const;

  private:
    std::span<const std::uint8_t> bytes_;
};
