#include "font_fallback.h"

#include <QFont>
#include <QStringList>

void installJapaneseFontFallback()
{
    // The same face by its English name; then the Japanese faces every Windows 10 and 11 has
    // (Yu Gothic) or has with Japanese support (Meiryo); then those of Linux distributions.
    QFont::insertSubstitutions(QStringLiteral(u"ＭＳ Ｐゴシック"),
                               {QStringLiteral("MS PGothic"), QStringLiteral("Meiryo"), QStringLiteral("Yu Gothic"),
                                QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"),
                                QStringLiteral("Noto Sans CJK JP")});
}
