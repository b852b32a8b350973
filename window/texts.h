// The program's own texts. U+3000 is the ideographic space, which is part of several texts.
#pragma once

#include <QString>
#include <QStringList>

namespace texts {

inline const QString windowCaption = QStringLiteral(u" Veltrumの問題（コラッツの問題）\u3000");
inline const QString experimentCaption = QStringLiteral(u"実\u3000験");
inline const QString quitCaption = QStringLiteral(u"終了");
inline const QString initializeCaption = QStringLiteral(u"初期化");

inline const QString inputPrompt = QStringLiteral(u"3以上10000000以下の整数を半角で入力してください．．．");
inline const QString inputTitle = QStringLiteral(u"\u3000Veltrum の問題");
inline const QString startLabelPrefix = QStringLiteral(u"ｎ＝");

inline const QString quitQuestion = QStringLiteral(u"終了していいですか？");
inline const QString quitTitle = QStringLiteral(u" Veltrum の問題");

inline const QString okButton = QStringLiteral(u"OK");
inline const QString cancelButton = QStringLiteral(u"キャンセル");
inline const QString yesButton = QStringLiteral(u"はい");
inline const QString noButton = QStringLiteral(u"いいえ");

// The statement of the problem, printed after one empty line.
inline const QStringList problemStatement{
    QStringLiteral(u"\u3000【問題】"),
    QStringLiteral(u"\u3000\u3000\u3000\u3000\u3000どんな自然数から始めても良いので、その数が偶数ならば２で割り、奇数ならば３倍して１を"),
    QStringLiteral(u"\u3000\u3000\u3000\u3000加えることを繰り返します。"),
    QStringLiteral(u"\u3000\u3000\u3000\u3000\u3000そうすると、どんな自然数から始めても必ず１になるというのはほんとうなのでしょうか。"),
    QStringLiteral(u"\u3000\u3000\u3000\u3000\u300011から始めると、11→34→17→52→26→13→40→20→10→5→16→8→4→2→1 となります。"),
    QStringLiteral(u"\u3000\u3000\u3000\u3000\u3000この問題は有名な難問で、いまだに解けていません。また、コンピュータを使って、非常に大"),
    QStringLiteral(u"\u3000\u3000\u3000\u3000きな数（４兆）まで調べられていますが、１にならない例は発見されていません。"),
    QStringLiteral(u"\u3000\u3000\u3000\u3000\u3000下の［実験］をクリックして、バソコンで簡単な実験をしてみましょう。"),
};

// The chimes' wave files, found by their bare names.
inline const QString resetChime = QStringLiteral("pinpon.wav");
inline const QString endChime = QStringLiteral("endpinpon.wav");

// Short names for assistive technology.
inline const QString sequenceBoxName = QStringLiteral(u"数列");
inline const QString panelName = QStringLiteral(u"問題の説明");

} // namespace texts
