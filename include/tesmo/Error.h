#pragma once

#include <stdexcept>
#include <string>

namespace tesmo {

// An error raised to the host: a number and a description, as the control reports them.
class Error : public std::runtime_error {
public:
    Error(int number, std::string description)
        : std::runtime_error(description), number_(number), description_(std::move(description)) {}

    int number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }

private:
    int number_;
    std::string description_;
};

// Failures of the track database carry &H80004005 when a statement does not fit the
// table (a missing table or column), else &H8004xxxx with the database engine's (SQLite's)
// extended result code as xxxx; the description is the engine's text.

// Error numbers of the run-time library that the control passes on unchanged.
namespace errors {
inline constexpr int InvalidProcedureCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int TypeMismatch = 13;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int DesignTimeOnlyRead = 382;
inline constexpr int NotSupported = 438;
inline constexpr int KeyInUse = 457;
}  // namespace errors

}  // namespace tesmo
