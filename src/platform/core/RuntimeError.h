#pragma once

#include <stdexcept>
#include <string>

// A run-time error as the trapping procedures report it: a number and its description
// ("Err# 53, File not found"). Raised by the file, buffer and model code; caught by the
// procedure that owns the error box.
class RuntimeError : public std::runtime_error {
  public:
    explicit RuntimeError(int number);
    RuntimeError(int number, const std::string& description);

    int number() const { return number_; }
    const std::string& description() const { return description_; }

  private:
    int number_;
    std::string description_;
};

namespace err {
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int TypeMismatch = 13;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int DeviceIoError = 57;
constexpr int DiskFull = 61;
constexpr int InputPastEndOfFile = 62;
constexpr int BadRecordNumber = 63;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccessError = 75;
constexpr int PathNotFound = 76;
} // namespace err

// The standard description of an error number; "Application-defined or object-defined error"
// for numbers without one of their own.
std::string ErrorDescription(int number);

[[noreturn]] void RaiseError(int number);

// Maps an errno value of a failed file operation to the error number the author is shown.
int ErrorNumberFromErrno(int errnoValue);
