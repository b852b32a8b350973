// How the window looks, read by the desktop window and the page: every control's place in twips
// (1/1440 inch), the colours, and the face, size and line pitch of the start label and the panel.
#pragma once

#include "table.h"

#include <array>
#include <string_view>

namespace layout {

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

// 15 twips make one pixel at 96 dots per inch: a CSS pixel, or a Qt logical pixel, which Qt scales
// on denser screens.
constexpr int toPixels(int twips)
{
    constexpr int twipsPerPixel = 15;
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

// Form1 is the window's client area; Line1 runs from (0, 360) to (10440, 360), under the top row of
// buttons.
inline constexpr design::Entry<Twips> places[] = {
    {"Form1", {0, 0, 10470, 7560}},
    {"Command1", {4680, 6720, 1215, 615}},
    {"Label1", {120, 6720, 2895, 255}},
    {"Text1", {120, 3000, 10215, 3495}},
    {"Command2", {0, 0, 855, 375}},
    {"Command3", {9600, 0, 855, 375}},
    {"Picture1", {120, 480, 10215, 2415}},
    {"Line1", {0, 360, 10440, 0}},
};

consteval Twips place(std::string_view name)
{
    return design::lookup(places, name);
}

} // namespace layout

namespace colours {

struct Rgb {
    int red;
    int green;
    int blue;
};

inline constexpr design::Entry<Rgb> all[] = {
    {"window", {1, 0, 66}},
    {"panelPaper", {255, 255, 255}},
    {"panelInk", {1, 0, 98}},
};

consteval Rgb colour(std::string_view name)
{
    return design::lookup(all, name);
}

} // namespace colours

namespace fonts {

// The face of the start label and the panel, then the Japanese faces that stand in for it where it
// is missing: on Windows, on iPadOS and macOS, on Linux, on ChromeOS.
inline constexpr std::array<std::string_view, 9> japaneseFaces{
    "ＭＳ Ｐゴシック", "MS PGothic", "Hiragino Kaku Gothic ProN", "Hiragino Sans", "Meiryo", "Yu Gothic",
    "IPAPGothic", "VL PGothic", "Noto Sans CJK JP"};

// The label and the panel are drawn at 12 points. The panel prints its lines one em apart, as the
// window's own face does, whatever height another face would give a line; where a line would be cut
// off, it draws every line at the largest size, in steps of a quarter point and not below 6 points,
// at which all of them fit.
inline constexpr design::Entry<double> sizes[] = {
    {"japanesePointSize", 12},
    {"panelLinePitch", 1.0},
    {"panelPointSizeStep", 0.25},
    {"panelSmallestPointSize", 6},
};

consteval double size(std::string_view name)
{
    return design::lookup(sizes, name);
}

} // namespace fonts
