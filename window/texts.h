// The program's own texts in UTF-8, shared by the desktop window and the page. U+3000 is the
// ideographic space, which is part of several texts.
#pragma once

#include <array>

namespace texts {

inline constexpr char windowCaption[] = " Veltrumの問題（コラッツの問題）\u3000";
inline constexpr char experimentCaption[] = "実\u3000験";
inline constexpr char quitCaption[] = "終了";
inline constexpr char initializeCaption[] = "初期化";

inline constexpr char inputPrompt[] = "3以上10000000以下の整数を半角で入力してください．．．";
inline constexpr char inputTitle[] = "\u3000Veltrum の問題";
inline constexpr char startLabelPrefix[] = "ｎ＝";

inline constexpr char quitQuestion[] = "終了していいですか？";
inline constexpr char quitTitle[] = " Veltrum の問題";

inline constexpr char okButton[] = "OK";
inline constexpr char cancelButton[] = "キャンセル";
inline constexpr char yesButton[] = "はい";
inline constexpr char noButton[] = "いいえ";

// The statement of the problem, printed after one empty line.
inline constexpr std::array<const char*, 8> problemStatement{
    "\u3000【問題】",
    "\u3000\u3000\u3000\u3000\u3000どんな自然数から始めても良いので、その数が偶数ならば２で割り、奇数ならば３倍して１を",
    "\u3000\u3000\u3000\u3000加えることを繰り返します。",
    "\u3000\u3000\u3000\u3000\u3000そうすると、どんな自然数から始めても必ず１になるというのはほんとうなのでしょうか。",
    "\u3000\u3000\u3000\u3000\u300011から始めると、11→34→17→52→26→13→40→20→10→5→16→8→4→2→1 となります。",
    "\u3000\u3000\u3000\u3000\u3000この問題は有名な難問で、いまだに解けていません。また、コンピュータを使って、非常に大",
    "\u3000\u3000\u3000\u3000きな数（４兆）まで調べられていますが、１にならない例は発見されていません。",
    "\u3000\u3000\u3000\u3000\u3000下の［実験］をクリックして、バソコンで簡単な実験をしてみましょう。",
};

// The chimes' wave files, found by their bare names.
inline constexpr char resetChime[] = "pinpon.wav";
inline constexpr char endChime[] = "endpinpon.wav";

// Short names for assistive technology.
inline constexpr char sequenceBoxName[] = "数列";
inline constexpr char panelName[] = "問題の説明";

// The page's own: the name of a dialog's close button, what it says where the program cannot run,
// and after the program has ended.
inline constexpr char closeButtonName[] = "閉じる";
inline constexpr char cannotRun[] = "このブラウザではプログラムを読み込めないため、実験できません。";
inline constexpr char ended[] = "プログラムを終了しました。";
inline constexpr char startAgain[] = "もう一度始める";

} // namespace texts
