#pragma once

#include "platform/core/ByteBuffer.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Sequential access to a file image: each call reads or writes at the cursor's position and
// moves it on. The position is the one the layouts pass from record to record.
class WriteCursor {
  public:
    WriteCursor(ByteWriter& writer, FilePos pos) : writer_(writer), pos_(pos) {}

    FilePos Pos() const { return pos_; }
    void Seek(FilePos pos) { pos_ = pos; }

    void U8(std::uint8_t v) {
        writer_.PutU8(pos_, v);
        pos_ += 1;
    }
    void I16(std::int16_t v) {
        writer_.PutI16(pos_, v);
        pos_ += 2;
    }
    void I32(std::int32_t v) {
        writer_.PutI32(pos_, v);
        pos_ += 4;
    }
    void Bytes(const void* data, std::size_t count) {
        writer_.PutBytes(pos_, data, count);
        pos_ += static_cast<FilePos>(count);
    }
    // A fixed-length text: blank-padded or cut to length.
    void FixedText(std::string_view text, std::size_t length);
    template <std::size_t N> void U8s(const std::array<std::uint8_t, N>& values) {
        Bytes(values.data(), N);
    }

  private:
    ByteWriter& writer_;
    FilePos pos_;
};

// Reads at the cursor's position and moves it on. A cursor over one part of a file (a slice
// of the file's reader) cannot read beyond that part: a read past it is an error of the part.
// One record of a fixed size whose bytes were checked as a whole: its fields are read one after
// the other without a check each, as the reader of a record reads exactly its size (the layout
// tests prove each byte for byte). A file's thousands of small fields then cost one check per
// record instead of one each.
class RecordReader {
  public:
    explicit RecordReader(const std::uint8_t* bytes) : p_(bytes) {}

    std::uint8_t U8() { return *p_++; }
    std::int16_t I16() {
        const std::int16_t v = ByteReader::LittleI16(p_);
        p_ += 2;
        return v;
    }
    void TextInto(std::string& text, std::size_t length) {
        text.assign(reinterpret_cast<const char*>(p_), length);
        p_ += length;
    }
    template <std::size_t N> void U8s(std::array<std::uint8_t, N>& values) {
        std::memcpy(values.data(), p_, N);
        p_ += N;
    }

  private:
    const std::uint8_t* p_;
};

class ReadCursor {
  public:
    ReadCursor(const ByteReader& reader, FilePos pos, bool bigEndian = false)
        : reader_(reader), pos_(pos), bigEndian_(bigEndian) {}
    // From the first byte of the part on.
    explicit ReadCursor(const ByteReader& part) : ReadCursor(part, part.First()) {}

    FilePos Pos() const { return pos_; }
    void Seek(FilePos pos) { pos_ = pos; }
    void Skip(std::int64_t count) { pos_ += count; }
    const ByteReader& Reader() const { return reader_; }

    // Raises the end-of-file error unless count bytes remain from the cursor on.
    void Require(std::size_t count) const { reader_.Require(pos_, count); }

    // The next count bytes, checked; the cursor moves past them.
    const std::uint8_t* Take(std::size_t count) {
        const std::uint8_t* p = reader_.At(pos_, count);
        pos_ += static_cast<FilePos>(count);
        return p;
    }

    // The next record of size bytes, checked once.
    RecordReader Record(std::size_t size) { return RecordReader(Take(size)); }

    std::uint8_t U8() { return *Take(1); }
    std::int16_t I16() {
        const std::uint8_t* p = Take(2);
        return bigEndian_ ? ByteReader::BigI16(p) : ByteReader::LittleI16(p);
    }
    std::int32_t I32() {
        const std::uint8_t* p = Take(4);
        return bigEndian_ ? ByteReader::BigI32(p) : ByteReader::LittleI32(p);
    }
    void Bytes(void* out, std::size_t count) {
        const std::uint8_t* p = Take(count);
        if (count > 0) std::memcpy(out, p, count);
    }
    std::string Text(std::size_t length) {
        return std::string(reinterpret_cast<const char*>(Take(length)), length);
    }
    // The same into a text that already exists, whose storage is kept when it is large enough.
    void TextInto(std::string& text, std::size_t length) {
        text.assign(reinterpret_cast<const char*>(Take(length)), length);
    }
    template <std::size_t N> void U8s(std::array<std::uint8_t, N>& values) {
        Bytes(values.data(), N);
    }

  private:
    ByteReader reader_;
    FilePos pos_;
    bool bigEndian_;
};
