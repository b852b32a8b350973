#include "chimes.h"

#include "texts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace chimes {
namespace {

constexpr double kAttack = 0.008;  // seconds: no click at the start of a tone
constexpr double kTail = 0.300;    // seconds of silence at the end (some players cut the end)
constexpr double kFadeOut = 0.060; // seconds: the last of the sound fades to exact zero

struct Tone {
    double start;     // seconds
    double frequency; // hertz
    double length;    // seconds until it has faded out
};

std::vector<std::int16_t> renderTones(std::initializer_list<Tone> tones, double soundLength)
{
    std::vector<double> sound(static_cast<std::size_t>((soundLength + kTail) * sampleRate), 0.0);
    for (const Tone& tone : tones) {
        const auto first = static_cast<std::size_t>(tone.start * sampleRate);
        const auto count = static_cast<std::size_t>(tone.length * sampleRate);
        for (std::size_t i = 0; i < count && first + i < sound.size(); ++i) {
            const double t = double(i) / sampleRate;
            const double attack = std::min(1.0, t / kAttack);
            const double release = std::min(1.0, (tone.length - t) / kFadeOut);
            const double decay = std::exp(-4.0 * t / tone.length);
            const double phase = 2 * std::numbers::pi * tone.frequency * t;
            // A fundamental with two soft overtones sounds like a small bell.
            const double wave = std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.1 * std::sin(3 * phase);
            sound[first + i] += 0.45 * attack * release * decay * wave;
        }
    }
    std::vector<std::int16_t> samples(sound.size());
    std::transform(sound.begin(), sound.end(), samples.begin(), [](double s) {
        return static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
    });
    return samples;
}

} // namespace

std::vector<std::int16_t> render(std::string_view fileName)
{
    // B5 then G5: the familiar doorbell "pin-pon".
    if (fileName == texts::text("resetChime"))
        return renderTones({{0.0, 987.77, 0.45}, {0.32, 783.99, 0.60}}, 0.92);
    // G5, E5, C5 falling, the last one held.
    if (fileName == texts::text("endChime"))
        return renderTones({{0.0, 783.99, 0.50}, {0.38, 659.26, 0.50}, {0.76, 523.25, 0.80}}, 1.56);
    return {};
}

} // namespace chimes
