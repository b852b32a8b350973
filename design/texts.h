// The program's own texts in UTF-8, each under the name that the desktop window and the page both
// read it by. U+3000 is the ideographic space, which is part of several texts.
#pragma once

#include "table.h"

#include <array>
#include <string_view>

namespace texts {

inline constexpr design::Entry<std::string_view> all[] = {
    {"windowCaption", " Veltrumの問題（コラッツの問題）\u3000"},
    {"experimentCaption", "実\u3000験"},
    {"quitCaption", "終了"},
    {"initializeCaption", "初期化"},

    {"inputPrompt", "3以上10000000以下の整数を半角で入力してください．．．"},
    {"inputTitle", "\u3000Veltrum の問題"},
    {"startLabelPrefix", "ｎ＝"},

    {"quitQuestion", "終了していいですか？"},
    {"quitTitle", " Veltrum の問題"},

    {"okButton", "OK"},
    {"cancelButton", "キャンセル"},
    {"yesButton", "はい"},
    {"noButton", "いいえ"},

    // The chimes' wave files, found by their bare names.
    {"resetChime", "pinpon.wav"},
    {"endChime", "endpinpon.wav"},

    // Short names for assistive technology, and what a screen reader is told once a sequence is
    // shown (%1 is the start label's text).
    {"sequenceBoxName", "数列"},
    {"panelName", "問題の説明"},
    {"sequenceShown", "%1、数列を表示しました。"},

    // The page's own: its name and description as an app, the name of a dialog's close button,
    // what it says where the program cannot run (%1 is the one-file page's name), and after the
    // program has ended.
    {"appName", "コラッツの問題"},
    {"appDescription", "コラッツの問題を説明し、実験できる教材"},
    {"closeButtonName", "閉じる"},
    {"cannotRun", "このブラウザではプログラムを読み込めないため、実験できません。"},
    {"cannotRunFromFile", "ファイルからは動きません。同じフォルダーの %1 を開くか、フォルダーをウェブサーバーで公開してください。"},
    {"ended", "プログラムを終了しました。"},
    {"startAgain", "もう一度始める"},
};

consteval std::string_view text(std::string_view name)
{
    return design::lookup(all, name);
}

// The statement of the problem, printed after one empty line.
inline constexpr std::array<std::string_view, 8> problemStatement{
    "\u3000【問題】",
    "\u3000\u3000\u3000\u3000\u3000どんな自然数から始めても良いので、その数が偶数ならば２で割り、奇数ならば３倍して１を",
    "\u3000\u3000\u3000\u3000加えることを繰り返します。",
    "\u3000\u3000\u3000\u3000\u3000そうすると、どんな自然数から始めても必ず１になるというのはほんとうなのでしょうか。",
    "\u3000\u3000\u3000\u3000\u300011から始めると、11→34→17→52→26→13→40→20→10→5→16→8→4→2→1 となります。",
    "\u3000\u3000\u3000\u3000\u3000この問題は有名な難問で、いまだに解けていません。また、コンピュータを使って、非常に大",
    "\u3000\u3000\u3000\u3000きな数（４兆）まで調べられていますが、１にならない例は発見されていません。",
    "\u3000\u3000\u3000\u3000\u3000下の［実験］をクリックして、バソコンで簡単な実験をしてみましょう。",
};

} // namespace texts
