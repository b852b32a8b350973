#include "layout.h"

namespace layout {

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
