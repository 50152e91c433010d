#pragma once

// What the process holds in memory as the system counts it: every page it has touched, with the
// allocator's own bookkeeping and whatever the allocator keeps after a free, which a count of the
// bytes handed out leaves out. Read with the C library alone, so that reading it allocates
// nothing that a count of the program's allocations would see.

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

// A size field of /proc/self/status ("VmRSS", "VmHWM"), in bytes; 0 where the system gives none.
inline std::size_t ProcessStatusBytes(const char* field) {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return 0;
    const std::size_t length = std::strlen(field);
    char line[256];
    std::size_t bytes = 0;
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            bytes = static_cast<std::size_t>(std::strtoull(line + length + 1, nullptr, 10)) * 1024;
            break;
        }
    std::fclose(status);
    return bytes;
}

// The resident size now.
inline std::size_t ResidentBytes() {
    return ProcessStatusBytes("VmRSS");
}

// The most the resident size has been since the process started or since RestartPeakResident.
inline std::size_t PeakResidentBytes() {
    return ProcessStatusBytes("VmHWM");
}

// Starts the peak over from the resident size now, so that it shows what one piece of work
// needed rather than the most any earlier one did. False where the system cannot.
inline bool RestartPeakResident() {
    const int fd = ::open("/proc/self/clear_refs", O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool done = ::write(fd, "5", 1) == 1;
    ::close(fd);
    return done;
}
