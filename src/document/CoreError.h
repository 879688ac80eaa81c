#pragma once

#include <stdexcept>
#include <string>

namespace areamaker {

// Error numbers shown to the user next to a description.
enum ErrorNumber : int
{
    ErrInvalidCall = 5,
    ErrOverflow = 6,
    ErrSubscript = 9,
    ErrTypeMismatch = 13,
    ErrFileNotFound = 53,
    ErrFileAccess = 75,
};

// A failure of a document operation, carrying a number and a French description.
class CoreError : public std::runtime_error
{
public:
    CoreError(int number, const std::string &description)
        : std::runtime_error(description), mNumber(number)
    {
    }
    int number() const { return mNumber; }
    std::string description() const { return what(); }

private:
    int mNumber;
};

} // namespace areamaker
