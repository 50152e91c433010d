#include "platform/core/ByteSource.h"

#include "platform/core/FileSystemCalls.h"
#include "platform/core/RuntimeError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace file_calls;

namespace {
// Each read from the disk asks for at least this much, so that a large file costs few calls
// while the buffer stays small beside it.
constexpr std::size_t kReadAhead = std::size_t{1} << 20;
} // namespace

ByteSource::ByteSource(std::span<const std::uint8_t> image, FilePos first)
    : pos_(first), next_(image.data()), ready_(image.size()) {}

ByteSource::ByteSource(const std::string& path, std::int64_t largest) {
    // What the file held when it was opened is what is read, even if it grows meanwhile.
    fd_ = OpenFileForReading(path, largest, unread_);
}

ByteSource::~ByteSource() {
    if (fd_ >= 0) ::close(fd_);
}

void ByteSource::Fill(std::size_t count) {
    count = std::min(count, ready_ + static_cast<std::size_t>(unread_));
    if (ready_ >= count) return;
    // What is at hand moves to the front; the buffer grows only for a part larger than it.
    const std::size_t wanted =
        std::max(count, std::min(kReadAhead, ready_ + static_cast<std::size_t>(unread_)));
    if (wanted > capacity_) {
        std::unique_ptr<std::uint8_t[]> larger(new std::uint8_t[wanted]);
        if (ready_ > 0) std::memcpy(larger.get(), next_, ready_);
        buffer_ = std::move(larger);
        capacity_ = wanted;
    } else if (ready_ > 0 && next_ != buffer_.get()) {
        std::memmove(buffer_.get(), next_, ready_);
    }
    next_ = buffer_.get();
    while (ready_ < count && unread_ > 0) {
        const std::size_t room = std::min(capacity_ - ready_, static_cast<std::size_t>(unread_));
        const ssize_t n = ::read(fd_, buffer_.get() + ready_, room);
        if (n < 0) {
            if (errno == EINTR) continue;
            RaiseFromErrno(errno);
        }
        if (n == 0) {
            unread_ = 0; // the file shrank while we read it
            break;
        }
        ready_ += static_cast<std::size_t>(n);
        unread_ -= n;
    }
}

ByteReader ByteSource::Ahead(std::size_t count) {
    if (fd_ >= 0) Fill(count);
    return ByteReader(std::span(next_, std::min(count, ready_)), pos_);
}

ByteReader ByteSource::Take(std::size_t count) {
    const ByteReader part = Ahead(count);
    const auto taken = static_cast<std::size_t>(part.Size());
    next_ += taken;
    ready_ -= taken;
    pos_ += part.Size();
    return part;
}

const std::uint8_t* PartExtent::Bytes(std::size_t offset, std::size_t count) {
    if (open_ || offset > kToTheEnd - count) {
        open_ = true;
        return nullptr;
    }
    const ByteReader ahead = source_.Ahead(offset + count);
    if (static_cast<std::size_t>(ahead.Size()) < offset + count) {
        open_ = true;
        return nullptr;
    }
    return ahead.Bytes().data() + offset;
}

std::int16_t PartExtent::I16At(std::size_t offset) {
    const std::uint8_t* p = Bytes(offset, 2);
    if (!p) return 0;
    return bigEndian_ ? ByteReader::BigI16(p) : ByteReader::LittleI16(p);
}

std::uint8_t PartExtent::U8At(std::size_t offset) {
    const std::uint8_t* p = Bytes(offset, 1);
    return p ? *p : 0;
}

void PartExtent::AddTextLengths(std::size_t offset, std::size_t count) {
    const std::uint8_t* lengths = Bytes(offset, count);
    if (!lengths) return;
    for (std::size_t i = 0; i < count; ++i)
        size_ += lengths[i];
}

void PartExtent::AddTextTable(std::size_t count) {
    AddTextLengths(size_, count);
    size_ += count;
}
