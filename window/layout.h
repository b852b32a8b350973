// The window's layout: every control's place in twips (1/1440 inch), converted to pixels in one place.
#pragma once

#include <QLine>
#include <QRect>
#include <QSize>

namespace layout {

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr Twips clientArea{0, 0, 10470, 7560};
inline constexpr Twips Command1{4680, 6720, 1215, 615};
inline constexpr Twips Label1{120, 6720, 2895, 255};
inline constexpr Twips Text1{120, 3000, 10215, 3495};
inline constexpr Twips Command2{0, 0, 855, 375};
inline constexpr Twips Command3{9600, 0, 855, 375};
inline constexpr Twips Picture1{120, 480, 10215, 2415};
inline constexpr Twips MMControl1{240, 7080, 3540, 330};
// Line1 runs from (0, 360) to (10440, 360).
inline constexpr Twips Line1{0, 360, 10440, 0};

// 15 twips make one logical pixel (96 dots per inch); Qt scales logical pixels on denser screens.
int toPixels(int twips);
QRect toPixels(const Twips& place);
QSize sizeInPixels(const Twips& place);
QLine lineInPixels(const Twips& line);

} // namespace layout
