#include "layout.h"

namespace layout {

int toPixels(int twips)
{
    constexpr int twipsPerPixel = 15;
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

QRect toPixels(const Twips& place)
{
    return {toPixels(place.left), toPixels(place.top), toPixels(place.width), toPixels(place.height)};
}

QSize sizeInPixels(const Twips& place)
{
    return {toPixels(place.width), toPixels(place.height)};
}

QLine lineInPixels(const Twips& line)
{
    return {toPixels(line.left), toPixels(line.top), toPixels(line.left + line.width),
            toPixels(line.top + line.height)};
}

} // namespace layout
