#include "font_fallback.h"

#include "layout.h"

#include <QFont>
#include <QStringList>

void installJapaneseFontFallback()
{
    QStringList standIns;
    for (const std::string_view face : fonts::japaneseFaces)
        standIns << toQString(face);
    QFont::insertSubstitutions(standIns.takeFirst(), standIns);
}
