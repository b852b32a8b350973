// The written form of a value.
#include "collatz.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace collatz {

std::string formatValue(double value)
{
    if (std::isnan(value))
        return " nan";
    if (std::isinf(value))
        return value > 0 ? " inf" : "-inf";

    char buffer[32];
    char* first = buffer + 1;
    char* last = buffer + sizeof buffer;
    std::to_chars_result result;
    const bool small = std::fabs(value) < 1e15;
    if (small && static_cast<double>(static_cast<std::int64_t>(value)) == value) {
        // A whole value below 10^15 is exact in a 64-bit integer, and writing the integer is the
        // fast path of a run.
        result = std::to_chars(first, last, static_cast<std::int64_t>(value));
    } else {
        result = std::to_chars(first, last, value, std::chars_format::general, 15);
        std::replace(first, result.ptr, 'e', 'E');
    }
    if (*first == '-')
        return std::string(first, result.ptr);
    if (value == 0) // negative zero included
        return " 0";
    buffer[0] = ' ';
    return std::string(buffer, result.ptr);
}

} // namespace collatz
