#pragma once

#include "platform/core/ByteBuffer.h"

#include <array>
#include <cstdint>
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

class ReadCursor {
  public:
    ReadCursor(const ByteReader& reader, FilePos pos, bool bigEndian = false)
        : reader_(reader), pos_(pos), bigEndian_(bigEndian) {}

    FilePos Pos() const { return pos_; }
    void Seek(FilePos pos) { pos_ = pos; }
    void Skip(std::int64_t count) { pos_ += count; }
    const ByteReader& Reader() const { return reader_; }

    // Raises the end-of-file error unless count bytes remain from the cursor on.
    void Require(std::size_t count) const { reader_.Require(pos_, count); }

    std::uint8_t U8() {
        const auto v = reader_.GetU8(pos_);
        pos_ += 1;
        return v;
    }
    std::int16_t I16() {
        const auto v = bigEndian_ ? reader_.GetI16BigEndian(pos_) : reader_.GetI16(pos_);
        pos_ += 2;
        return v;
    }
    std::int32_t I32() {
        const auto v = bigEndian_ ? reader_.GetI32BigEndian(pos_) : reader_.GetI32(pos_);
        pos_ += 4;
        return v;
    }
    void Bytes(void* out, std::size_t count) {
        reader_.GetBytes(pos_, out, count);
        pos_ += static_cast<FilePos>(count);
    }
    std::string Text(std::size_t length) {
        auto t = reader_.GetText(pos_, length);
        pos_ += static_cast<FilePos>(length);
        return t;
    }
    template <std::size_t N> void U8s(std::array<std::uint8_t, N>& values) {
        Bytes(values.data(), N);
    }

  private:
    const ByteReader& reader_;
    FilePos pos_;
    bool bigEndian_;
};
