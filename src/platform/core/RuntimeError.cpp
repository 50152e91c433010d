#include "platform/core/RuntimeError.h"

#include <cerrno>

namespace {
struct NumberedDescription {
    int number;
    const char* text;
};

constexpr NumberedDescription kDescriptions[] = {
    {3, "Return without GoSub"},
    {5, "Invalid procedure call or argument"},
    {6, "Overflow"},
    {7, "Out of memory"},
    {9, "Subscript out of range"},
    {11, "Division by zero"},
    {13, "Type mismatch"},
    {52, "Bad file name or number"},
    {53, "File not found"},
    {54, "Bad file mode"},
    {55, "File already open"},
    {57, "Device I/O error"},
    {58, "File already exists"},
    {61, "Disk full"},
    {62, "Input past end of file"},
    {63, "Bad record number"},
    {67, "Too many files"},
    {68, "Device unavailable"},
    {70, "Permission denied"},
    {71, "Disk not ready"},
    {75, "Path/File access error"},
    {76, "Path not found"},
};
} // namespace

std::string ErrorDescription(int number) {
    for (const auto& d : kDescriptions)
        if (d.number == number) return d.text;
    return "Application-defined or object-defined error";
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, ErrorDescription(number)) {}

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description), number_(number), description_(description) {}

void RaiseError(int number) {
    throw RuntimeError(number);
}

int ErrorNumberFromErrno(int errnoValue) {
    switch (errnoValue) {
    case ENOENT:
        return err::FileNotFound;
    case ENOTDIR:
        return err::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return err::PermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: // past the file-size limit: no more room for this file
        return err::DiskFull;
    case EIO:
        return err::DeviceIoError;
    case ENAMETOOLONG:
        return err::BadFileName;
    case ENOMEM:
        return err::OutOfMemory;
    default:
        return err::PathFileAccessError;
    }
}
