// Reading a start value from typed text.
#include "collatz.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace collatz {
namespace {

constexpr char kNoFit = '\0'; // any character that cannot continue a number, and the end of the text

// Walks UTF-8 text one significant character at a time: blanks are skipped, full-width ASCII forms
// become ASCII, and anything else outside ASCII (invalid bytes included) becomes kNoFit.
class CharReader {
public:
    explicit CharReader(std::string_view text) : m_text(text) {}

    char next()
    {
        while (m_pos < m_text.size()) {
            const char32_t c = decode();
            if (c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == U'\u3000')
                continue;
            if (c >= U'\uFF01' && c <= U'\uFF5E')
                return static_cast<char>(c - 0xFEE0);
            return (c > 0 && c < 0x80) ? static_cast<char>(c) : kNoFit;
        }
        return kNoFit;
    }

private:
    // Decodes one code point; a malformed sequence yields U+FFFD after consuming one byte.
    char32_t decode()
    {
        const auto byte = [this](std::size_t i) { return static_cast<unsigned char>(m_text[i]); };
        const unsigned char lead = byte(m_pos);
        int length = 0;
        char32_t c = 0;
        if (lead < 0x80) { ++m_pos; return lead; }
        if (lead >= 0xC2 && lead <= 0xDF) { length = 2; c = lead & 0x1F; }
        else if (lead >= 0xE0 && lead <= 0xEF) { length = 3; c = lead & 0x0F; }
        else if (lead >= 0xF0 && lead <= 0xF4) { length = 4; c = lead & 0x07; }
        else { ++m_pos; return U'\uFFFD'; }
        if (m_pos + length > m_text.size()) { ++m_pos; return U'\uFFFD'; }
        for (int i = 1; i < length; ++i) {
            const unsigned char b = byte(m_pos + i);
            if ((b & 0xC0) != 0x80) { ++m_pos; return U'\uFFFD'; }
            c = (c << 6) | (b & 0x3F);
        }
        m_pos += length;
        return c;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Enough significant digits to decide the correct rounding of any decimal number to a double;
// later non-zero digits are kept as one sticky digit.
constexpr std::size_t kMaxDigits = 800;
constexpr std::int64_t kExponentLimit = 1'000'000'000;

std::int64_t saturatingAdd(std::int64_t a, std::int64_t b)
{
    const std::int64_t sum = a + b; // both operands stay within +-2 * kExponentLimit
    return std::max(-kExponentLimit, std::min(kExponentLimit, sum));
}

// Decimal mantissa 0.<digits> times 10^exponent, as gathered by the scan.
struct DecimalNumber {
    bool negative = false;
    std::string digits; // significant digits, the first non-zero
    bool sticky = false;
    std::int64_t exponent = 0;

    void addDigit(char d, bool beforePoint)
    {
        if (digits.empty() && d == '0') {
            if (!beforePoint)
                exponent = saturatingAdd(exponent, -1);
            return;
        }
        if (beforePoint)
            exponent = saturatingAdd(exponent, 1);
        if (digits.size() < kMaxDigits)
            digits.push_back(d);
        else if (d != '0')
            sticky = true;
    }

    double magnitude() const
    {
        if (digits.empty())
            return 0;
        // 0.d... x 10^e is at least 10^(e-1) and below 10^e.
        if (exponent > 310)
            return std::numeric_limits<double>::infinity();
        if (exponent < -330)
            return 0;
        // The digits as a whole number times a power of ten: with no decimal point in the text,
        // no locale changes how strtod reads it (a program may have set the user's, as Qt does).
        const auto wholeDigits = static_cast<std::int64_t>(digits.size() + (sticky ? 1 : 0));
        const std::string text = digits + (sticky ? "1" : "") + "e" + std::to_string(exponent - wholeDigits);
        return std::strtod(text.c_str(), nullptr); // HUGE_VAL beyond the range of a double
    }
};

} // namespace

double readStartValue(std::string_view text)
{
    CharReader reader(text);
    DecimalNumber number;
    char c = reader.next();
    if (c == '-' || c == '+') {
        number.negative = c == '-';
        c = reader.next();
    }
    bool sawDigit = false;
    for (; isDigit(c); c = reader.next()) {
        number.addDigit(c, true);
        sawDigit = true;
    }
    if (c == '.') {
        for (c = reader.next(); isDigit(c); c = reader.next()) {
            number.addDigit(c, false);
            sawDigit = true;
        }
    }
    if (!sawDigit)
        return 0;
    if (c == 'e' || c == 'E') {
        c = reader.next();
        const bool negativeExponent = c == '-';
        if (c == '-' || c == '+')
            c = reader.next();
        std::int64_t exponent = 0;
        for (; isDigit(c); c = reader.next())
            exponent = std::min(kExponentLimit, exponent * 10 + (c - '0'));
        // An exponent letter without digits adds nothing ("12e" reads 12).
        number.exponent = saturatingAdd(number.exponent, negativeExponent ? -exponent : exponent);
    }
    const double magnitude = number.magnitude();
    if (magnitude == 0)
        return 0;
    return std::floor(number.negative ? -magnitude : magnitude);
}

} // namespace collatz
