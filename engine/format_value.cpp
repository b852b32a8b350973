// The written form of a value.
#include "collatz.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace collatz {
namespace {

// Writes value in the general form with 15 significant digits ("1.23456789012346E+17", "2.5")
// from first on, and returns the end. snprintf writes the decimal point of the C library's
// locale, which a program may have set to the user's (Qt does): it is put back to a full stop.
char* writeGeneral(double value, char* first, char* last)
{
    const int length = std::snprintf(first, static_cast<std::size_t>(last - first), "%.15G", value);
    char* end = first + length;
    const char* point = std::localeconv()->decimal_point;
    const std::size_t pointLength = std::strlen(point);
    char* found = pointLength > 0 ? std::strstr(first, point) : nullptr;
    if (!found || std::strcmp(point, ".") == 0)
        return end;
    *found = '.';
    std::memmove(found + 1, found + pointLength, static_cast<std::size_t>(end - (found + pointLength)));
    return end - (pointLength - 1);
}

} // namespace

std::string formatValue(double value)
{
    if (std::isnan(value))
        return " nan";
    if (std::isinf(value))
        return value > 0 ? " inf" : "-inf";

    char buffer[48];
    buffer[0] = ' ';
    char* first = buffer + 1;
    char* last = nullptr;
    if (std::fabs(value) < 1e15 && static_cast<double>(static_cast<std::int64_t>(value)) == value) {
        // A whole value below 10^15 (negative zero included) is exact in a 64-bit integer, and
        // writing the integer is the fast path of a run.
        last = std::to_chars(first, std::end(buffer), static_cast<std::int64_t>(value)).ptr;
    } else {
        last = writeGeneral(value, first, std::end(buffer));
    }
    if (*first == '-')
        return std::string(first, last);
    return std::string(buffer, last);
}

} // namespace collatz
