#include "platform/core/ByteBuffer.h"

#include "platform/core/RuntimeError.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <sys/mman.h>

namespace {
// The layouts address files with signed 32-bit positions.
constexpr FilePos kLastPosition = 0x7FFFFFFF;

std::size_t OffsetOf(FilePos pos, std::size_t count) {
    if (pos < 1 || pos > kLastPosition || count > static_cast<std::size_t>(kLastPosition - pos + 1))
        RaiseError(err::BadRecordNumber);
    return static_cast<std::size_t>(pos - 1);
}
} // namespace

void ByteWriter::Reallocate(std::size_t capacity) {
    // Left uninitialised on purpose: every byte of the image is written before it is read.
    std::unique_ptr<std::uint8_t[]> storage(new std::uint8_t[capacity]);
    // A large image gets large pages: they spare the system a fault every 4 KiB.
    constexpr std::uintptr_t kLargePage = 2 * 1024 * 1024;
    const auto begin = reinterpret_cast<std::uintptr_t>(storage.get());
    const std::uintptr_t first = (begin + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t last = (begin + capacity) & ~(kLargePage - 1);
    if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    if (size_ > 0) std::memcpy(storage.get(), storage_.get(), size_);
    storage_ = std::move(storage);
    capacity_ = capacity;
}

void ByteWriter::Reserve(std::size_t bytes) {
    bytes = std::min(bytes, static_cast<std::size_t>(kLastPosition));
    if (bytes > capacity_) Reallocate(bytes);
}

std::uint8_t* ByteWriter::GrowFor(FilePos pos, std::size_t count) {
    const std::size_t offset = OffsetOf(pos, count);
    const std::size_t end = offset + count;
    if (end > capacity_)
        Reallocate(std::min(std::max(end, 2 * capacity_), static_cast<std::size_t>(kLastPosition)));
    if (offset > size_) std::memset(storage_.get() + size_, 0, offset - size_);
    size_ = std::max(size_, end);
    return storage_.get() + offset;
}

std::vector<std::uint8_t> ByteWriter::TakeBytes() {
    std::vector<std::uint8_t> bytes(storage_.get(), storage_.get() + size_);
    size_ = 0;
    return bytes;
}

void ByteWriter::PutI16BigEndian(FilePos pos, std::int16_t value) {
    const auto u = static_cast<std::uint16_t>(value);
    const std::uint8_t b[2] = {static_cast<std::uint8_t>(u >> 8), static_cast<std::uint8_t>(u)};
    PutBytes(pos, b, 2);
}

void ByteWriter::PutI32BigEndian(FilePos pos, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(u >> 24),
                               static_cast<std::uint8_t>(u >> 16),
                               static_cast<std::uint8_t>(u >> 8), static_cast<std::uint8_t>(u)};
    PutBytes(pos, b, 4);
}

void ByteReader::RaiseOutside(FilePos pos, std::size_t count) const {
    OffsetOf(pos, count);
    RaiseError(err::InputPastEndOfFile);
}

ByteReader ByteReader::Slice(FilePos pos, std::size_t count) const {
    const std::uint8_t* start = At(pos, 0);
    const auto offset = static_cast<std::size_t>(start - bytes_.data());
    return ByteReader(bytes_.subspan(offset, std::min(count, bytes_.size() - offset)), pos);
}
