// Writes what both windows show, as the page's build reads it: describe_window <design.json>.
// Every table of the shared design is walked whole, so that an entry added there reaches the page
// without being named again; places are in CSS pixels, converted by the window's own rule. A text
// that is not valid UTF-8 stops the build.
#include "design.h"
#include "texts.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

namespace {

bool isUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t j = 1; j < length; ++j) {
            if ((static_cast<unsigned char>(text[i + j]) & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

struct Undescribable {
    std::string_view text;
};

std::string json(std::string_view text)
{
    if (!isUtf8(text))
        throw Undescribable{text};
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string json(double number)
{
    char written[32];
    std::snprintf(written, sizeof written, "%.17g", number);
    return written;
}

std::string json(const layout::Twips& twips)
{
    using layout::toPixels;
    return "{\"left\": " + std::to_string(toPixels(twips.left)) + ", \"top\": " + std::to_string(toPixels(twips.top)) +
           ", \"width\": " + std::to_string(toPixels(twips.width)) + ", \"height\": " +
           std::to_string(toPixels(twips.height)) + "}";
}

std::string json(const colours::Rgb& rgb)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return json(std::string_view(hex));
}

template <typename Value, std::size_t size>
std::string json(const design::Entry<Value> (&table)[size])
{
    std::string out = "{";
    for (const auto& [name, value] : table)
        out += (out.size() > 1 ? ",\n    " : "\n    ") + json(name) + ": " + json(value);
    return out + "\n  }";
}

template <typename List>
std::string list(const List& items)
{
    std::string out = "[";
    for (const std::string_view item : items)
        out += (out.size() > 1 ? ",\n    " : "\n    ") + json(item);
    return out + "\n  ]";
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: describe_window <design.json>\n");
        return 2;
    }
    try {
        const std::string description = "{\n  \"texts\": " + json(texts::all) +
                                        ",\n  \"problemStatement\": " + list(texts::problemStatement) +
                                        ",\n  \"places\": " + json(layout::places) +
                                        ",\n  \"colours\": " + json(colours::all) +
                                        ",\n  \"japaneseFaces\": " + list(fonts::japaneseFaces) +
                                        ",\n  \"sizes\": " + json(fonts::sizes) + "\n}\n";
        std::ofstream(argv[1]) << description;
    } catch (const Undescribable& undescribable) {
        std::fprintf(stderr, "describe_window: not UTF-8: %.*s\n", int(undescribable.text.size()), undescribable.text.data());
        return 1;
    }
    return 0;
}
