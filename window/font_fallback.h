// Japanese font fallback for the face the window asks for.
#pragma once

// Where "ＭＳ Ｐゴシック" is missing, it falls back, in order, to the faces that stand in for it,
// whichever is installed first: MS PGothic, Hiragino, Meiryo, Yu Gothic, IPAPGothic, VL PGothic and
// Noto Sans CJK JP.
void installJapaneseFontFallback();
