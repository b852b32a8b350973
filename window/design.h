// How the window looks, shared by the desktop window and the page: every control's place in twips
// (1/1440 inch), the colours, and the face and size of the start label and the panel. Standard C++.
#pragma once

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

inline constexpr Twips clientArea{0, 0, 10470, 7560};
inline constexpr Twips Command1{4680, 6720, 1215, 615};
inline constexpr Twips Label1{120, 6720, 2895, 255};
inline constexpr Twips Text1{120, 3000, 10215, 3495};
inline constexpr Twips Command2{0, 0, 855, 375};
inline constexpr Twips Command3{9600, 0, 855, 375};
inline constexpr Twips Picture1{120, 480, 10215, 2415};
inline constexpr Twips MMControl1{240, 7080, 3540, 330};
// Line1 runs from (0, 360) to (10440, 360), under the top row of buttons.
inline constexpr Twips Line1{0, 360, 10440, 0};

} // namespace layout

namespace colours {

struct Rgb {
    int red;
    int green;
    int blue;
};

inline constexpr Rgb window{1, 0, 66};
inline constexpr Rgb panelPaper{255, 255, 255};
inline constexpr Rgb panelInk{1, 0, 98};

} // namespace colours

namespace fonts {

// The face of the start label and the panel, then the Japanese faces that stand in for it where it
// is missing: on Windows, on iPadOS and macOS, on Linux, on ChromeOS.
inline constexpr std::array<std::string_view, 9> japaneseFaces{
    "ＭＳ Ｐゴシック", "MS PGothic", "Hiragino Kaku Gothic ProN", "Hiragino Sans", "Meiryo", "Yu Gothic",
    "IPAPGothic", "VL PGothic", "Noto Sans CJK JP"};
inline constexpr double japanesePointSize = 12;

// Where a printed line would be cut off, the panel draws every line at the largest size, in steps of
// a quarter point and not below 6 points, at which all of them fit.
inline constexpr double panelPointSizeStep = 0.25;
inline constexpr double panelSmallestPointSize = 6;

} // namespace fonts
