// The window as it opens: layout, texts, focus, the explanation panel and what assistive
// technology can read.
#include "explanation_panel.h"
#include "font_fallback.h"
#include "main_window.h"
#include "scripted_toolkit.h"

#include <QFontMetricsF>
#include <QPushButton>
#include <QtTest>

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installJapaneseFontFallback(); }

    void geometryFollowsTheLayoutTable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("Command1") << "Command1" << QRect(312, 448, 81, 41);
        QTest::newRow("Label1") << "Label1" << QRect(8, 448, 193, 17);
        QTest::newRow("Text1") << "Text1" << QRect(8, 200, 681, 233);
        QTest::newRow("Command2") << "Command2" << QRect(0, 0, 57, 25);
        QTest::newRow("Command3") << "Command3" << QRect(640, 0, 57, 25);
        QTest::newRow("Picture1") << "Picture1" << QRect(8, 32, 681, 161);
    }

    void geometryFollowsTheLayoutTable()
    {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        ScriptedWindow w;
        auto* control = w.window.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), pixels);
    }

    void windowHasAFixedSize()
    {
        ScriptedWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QCOMPARE(w.window.size(), QSize(698, 504));
        QCOMPARE(w.window.minimumSize(), w.window.maximumSize());
        QVERIFY(!(w.window.windowFlags() & Qt::WindowMaximizeButtonHint));
        w.window.resize(900, 700);
        QCOMPARE(w.window.size(), QSize(698, 504));
        QCOMPARE(w.window.Text1->geometry(), QRect(8, 200, 681, 233));
    }

    void textsAreExact()
    {
        ScriptedWindow w;
        QCOMPARE(w.window.windowTitle(), QStringLiteral(u" Veltrumの問題（コラッツの問題）\u3000"));
        QCOMPARE(w.window.Command1->text(), QStringLiteral(u"実\u3000験"));
        QCOMPARE(w.window.Command2->text(), QStringLiteral(u"終了"));
        QCOMPARE(w.window.Command3->text(), QStringLiteral(u"初期化"));
        QVERIFY(w.window.Label1->text().isEmpty());
        QVERIFY(w.window.Text1->text().isEmpty());
        // The icon: red bands above and below a white band.
        const QImage icon = w.window.windowIcon().pixmap(32, 32).toImage();
        QCOMPARE(icon.size(), QSize(32, 32));
        QCOMPARE(icon.pixelColor(1, 2).red(), 212);
        QCOMPARE(icon.pixelColor(1, 29).red(), 212);
        QCOMPARE(icon.pixelColor(1, 11), QColor(Qt::white));
    }

    void labelAndPanelAskForTheJapaneseFace()
    {
        ScriptedWindow w;
        QCOMPARE(w.window.Picture1->font(), w.window.Label1->font());
        QCOMPARE(w.window.Label1->font().family(), QStringLiteral(u"ＭＳ Ｐゴシック"));
        QCOMPARE(w.window.Label1->font().pointSize(), 12);
        // Where the face is missing, an installed Japanese face stands in for it.
        const QStringList fallbacks{QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                                    QStringLiteral("VL PGothic"), QStringLiteral("Noto Sans CJK JP")};
        QCOMPARE(QFont::substitutes(QStringLiteral(u"ＭＳ Ｐゴシック")).join(QLatin1Char(',')).toLower(),
                 fallbacks.join(QLatin1Char(',')).toLower());
        QVERIFY2(fallbacks.contains(QFontInfo(w.window.Label1->font()).family()),
                 qPrintable(QFontInfo(w.window.Label1->font()).family()));
    }

    void focusStartsOnExperimentAndTabFollowsTheTable()
    {
        ScriptedWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QCOMPARE(QApplication::focusWidget(), w.window.Command1);
        const QList<QWidget*> expected{w.window.Text1, w.window.Command2, w.window.Command3, w.window.Command1};
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void panelPrintsTheStatementOnceOnFirstActivation()
    {
        ScriptedWindow w;
        QVERIFY(w.window.Picture1->lines().isEmpty()); // nothing before the window is active
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        const QStringList expected{
            QString(),
            QStringLiteral(u"\u3000【問題】"),
            QStringLiteral(u"\u3000\u3000\u3000\u3000\u3000どんな自然数から始めても良いので、その数が偶数ならば２で割り、奇数ならば３倍して１を"),
            QStringLiteral(u"\u3000\u3000\u3000\u3000加えることを繰り返します。"),
            QStringLiteral(u"\u3000\u3000\u3000\u3000\u3000そうすると、どんな自然数から始めても必ず１になるというのはほんとうなのでしょうか。"),
            QStringLiteral(u"\u3000\u3000\u3000\u3000\u300011から始めると、11→34→17→52→26→13→40→20→10→5→16→8→4→2→1 となります。"),
            QStringLiteral(u"\u3000\u3000\u3000\u3000\u3000この問題は有名な難問で、いまだに解けていません。また、コンピュータを使って、非常に大"),
            QStringLiteral(u"\u3000\u3000\u3000\u3000きな数（４兆）まで調べられていますが、１にならない例は発見されていません。"),
            QStringLiteral(u"\u3000\u3000\u3000\u3000\u3000下の［実験］をクリックして、バソコンで簡単な実験をしてみましょう。"),
        };
        QCOMPARE(w.window.Picture1->lines(), expected);

        // Another activation (switching away and back) and a dialog do not print again.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.toolkit->inputs = {QStringLiteral("4")};
        w.window.Command1->click();
        QCoreApplication::processEvents();
        QCOMPARE(w.window.Picture1->lines().size(), 9);
    }

    void everyPanelLineFitsTheInstalledFont()
    {
        ScriptedWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        const ExplanationPanel* panel = w.window.Picture1;
        const QFontMetricsF metrics(panel->drawingFont());
        QVERIFY(panel->drawingFont().pointSizeF() <= 12);
        QVERIFY2(9 * metrics.lineSpacing() <= panel->height(), qPrintable(QString::number(metrics.lineSpacing())));
        for (const QString& line : panel->lines())
            QVERIFY2(metrics.horizontalAdvance(line) <= panel->width(), qPrintable(line));
        qInfo() << "panel font" << QFontInfo(panel->drawingFont()).family() << panel->drawingFont().pointSizeF()
                << "pt, pitch" << metrics.lineSpacing();
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
