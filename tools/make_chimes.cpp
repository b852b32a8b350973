// Writes the program's two chimes as 16-bit PCM mono wave files: make_chimes <folder>
#include "chimes.h"
#include "texts.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

void put16(std::ofstream& out, std::uint16_t v) { out.put(char(v & 0xFF)).put(char(v >> 8)); }
void put32(std::ofstream& out, std::uint32_t v) { put16(out, std::uint16_t(v & 0xFFFF)); put16(out, std::uint16_t(v >> 16)); }

bool writeWave(const std::string& path, const std::vector<std::int16_t>& samples)
{
    std::ofstream out(path, std::ios::binary);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, chimes::sampleRate);
    put32(out, chimes::sampleRate * 2);
    put16(out, 2);  // bytes per frame
    put16(out, 16); // bits per sample
    out.write("data", 4);
    put32(out, dataBytes);
    for (const std::int16_t sample : samples)
        put16(out, static_cast<std::uint16_t>(sample));
    return bool(out);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_chimes <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    for (const std::string_view name : {texts::text("resetChime"), texts::text("endChime")}) {
        if (!writeWave(folder + "/" + std::string(name), chimes::render(name))) {
            std::fprintf(stderr, "make_chimes: cannot write to %s\n", folder.c_str());
            return 1;
        }
    }
    return 0;
}
