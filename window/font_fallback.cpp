#include "font_fallback.h"

#include <QFont>
#include <QStringList>

void installJapaneseFontFallback()
{
    QFont::insertSubstitutions(QStringLiteral(u"ＭＳ Ｐゴシック"),
                               {QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                                QStringLiteral("VL PGothic"), QStringLiteral("Noto Sans CJK JP")});
}
