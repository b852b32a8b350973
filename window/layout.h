// The shared design in Qt's terms: places in pixels, converted from the twips of the shared table;
// colours; the names of faces.
#pragma once

#include "design.h"

#include <QColor>
#include <QLine>
#include <QRect>
#include <QSize>
#include <QString>

namespace layout {

QRect toPixels(const Twips& place);
QSize sizeInPixels(const Twips& place);
QLine lineInPixels(const Twips& line);

} // namespace layout

inline QColor toQColor(const colours::Rgb& colour)
{
    return {colour.red, colour.green, colour.blue};
}

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
