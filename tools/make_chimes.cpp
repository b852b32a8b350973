// Writes the program's two chimes as 16-bit PCM mono wave files: make_chimes <folder>
//   pinpon.wav     a bright two-tone chime, high then low
//   endpinpon.wav  a closing chime of three falling tones
// Bell-like tones with a soft attack and an exponential decay, each file ending in silence.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kAttack = 0.008;      // seconds: no click at the start of a tone
constexpr double kTail = 0.300;        // seconds of silence at the end (some players cut the end)
constexpr double kFadeOut = 0.060;     // seconds: the last of the sound fades to exact zero

struct Tone {
    double start;     // seconds
    double frequency; // hertz
    double length;    // seconds until it has faded out
};

std::vector<double> render(const std::vector<Tone>& tones, double soundLength)
{
    std::vector<double> samples(static_cast<std::size_t>((soundLength + kTail) * kRate), 0.0);
    for (const Tone& tone : tones) {
        const auto first = static_cast<std::size_t>(tone.start * kRate);
        const auto count = static_cast<std::size_t>(tone.length * kRate);
        for (std::size_t i = 0; i < count && first + i < samples.size(); ++i) {
            const double t = double(i) / kRate;
            const double attack = std::min(1.0, t / kAttack);
            const double release = std::min(1.0, (tone.length - t) / kFadeOut);
            const double decay = std::exp(-4.0 * t / tone.length);
            const double phase = 2 * std::numbers::pi * tone.frequency * t;
            // A fundamental with two soft overtones sounds like a small bell.
            const double wave = std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.1 * std::sin(3 * phase);
            samples[first + i] += 0.45 * attack * release * decay * wave;
        }
    }
    return samples;
}

void put16(std::ofstream& out, std::uint16_t v) { out.put(char(v & 0xFF)).put(char(v >> 8)); }
void put32(std::ofstream& out, std::uint32_t v) { put16(out, std::uint16_t(v & 0xFFFF)); put16(out, std::uint16_t(v >> 16)); }

bool writeWave(const std::string& path, const std::vector<double>& samples)
{
    std::ofstream out(path, std::ios::binary);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);        // PCM
    put16(out, 1);        // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);        // bytes per frame
    put16(out, 16);       // bits per sample
    out.write("data", 4);
    put32(out, dataBytes);
    for (double s : samples) {
        const double clipped = std::max(-1.0, std::min(1.0, s));
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(clipped * 32767))));
    }
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
    // B5 then G5: the familiar doorbell "pin-pon".
    const auto pinpon = render({{0.0, 987.77, 0.45}, {0.32, 783.99, 0.60}}, 0.92);
    // G5, E5, C5 falling, the last one held.
    const auto endpinpon = render({{0.0, 783.99, 0.50}, {0.38, 659.26, 0.50}, {0.76, 523.25, 0.80}}, 1.56);
    const bool ok = writeWave(folder + "/pinpon.wav", pinpon) && writeWave(folder + "/endpinpon.wav", endpinpon);
    if (!ok)
        std::fprintf(stderr, "make_chimes: cannot write to %s\n", folder.c_str());
    return ok ? 0 : 1;
}
