// The two chimes, made from bell-like tones: the desktop writes them as wave files at build time,
// the page renders them in the browser, sample for sample the same.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace chimes {

inline constexpr int sampleRate = 44100;

/// The 16-bit mono samples of the chime that the wave file of that name holds: "pinpon.wav", a
/// bright two-tone chime, high then low; "endpinpon.wav", a closing chime of three falling tones.
/// Each ends in silence. Empty for any other name.
std::vector<std::int16_t> render(std::string_view fileName);

} // namespace chimes
