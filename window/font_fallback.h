// Japanese font fallback for the face the window asks for.
#pragma once

// Where "ＭＳ Ｐゴシック" is missing, it falls back, in order, to MS PGothic, Meiryo, Yu Gothic,
// IPAPGothic, VL PGothic and Noto Sans CJK JP, whichever is installed.
void installJapaneseFontFallback();
