// libFuzzer target: any bytes are read as a start value and written back. Reading must never crash
// or hang, and a whole value of at most 15 digits must read back from its written form unchanged.
#include "collatz.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const double value = collatz::readStartValue(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string written = collatz::formatValue(value);
    if (std::isfinite(value) && std::fabs(value) < 1e15 && collatz::readStartValue(written) != value)
        std::abort();
    if (!std::isnan(value) && std::floor(value) != value)
        std::abort(); // reading always rounds down to a whole number
    return 0;
}
