// 初期化 and 終了 with stand-ins for the dialogs and the multimedia control.
#include "explanation_panel.h"
#include "main_window.h"
#include "scripted_toolkit.h"

#include <QPushButton>
#include <QtTest>

namespace {

QStringList chime(const QString& file)
{
    return {QStringLiteral("23=Stop"), QStringLiteral("23=Close"), QStringLiteral("22=") + file,
            QStringLiteral("23=Open"), QStringLiteral("23=Sound")};
}

const QString kQuestion = QStringLiteral(u"dialog:終了していいですか？");

} // namespace

class TestCommands : public QObject {
    Q_OBJECT

private slots:
    void initializeChimesThenClears()
    {
        ScriptedWindow w;
        w.toolkit->inputs = {QStringLiteral("27")};
        w.window.Command1->click();
        w.toolkit->log.clear();
        w.window.Command3->click();
        QCOMPARE(w.toolkit->log, chime(QStringLiteral("pinpon.wav")));
        QVERIFY(w.window.Text1->text().isEmpty());
        QVERIFY(w.window.Label1->text().isEmpty());
        QVERIFY(w.window.sequenceText.empty());
        // The start value and what was typed stay; the next experiment overwrites them.
        QCOMPARE(w.window.enteredText, QStringLiteral("27"));
        QCoreApplication::processEvents();
        QVERIFY(w.window.Text1->toPlainText().isEmpty());
    }

    void initializeTwiceIssuesTwoFullChimes()
    {
        ScriptedWindow w;
        w.window.Command3->click();
        w.window.Command3->click();
        QCOMPARE(w.toolkit->log, chime(QStringLiteral("pinpon.wav")) + chime(QStringLiteral("pinpon.wav")));
    }

    void quitAnsweredNoLeavesEverythingAsItWas()
    {
        ScriptedWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.toolkit->inputs = {QStringLiteral("11"), QStringLiteral("3")};
        w.window.Command1->click();
        const QStringList panel = w.window.Picture1->lines();
        w.toolkit->log.clear();
        w.toolkit->answers = {false, false};

        w.window.Command2->click();
        w.window.Command2->click();
        QCOMPARE(w.toolkit->log, chime(QStringLiteral("endpinpon.wav")) + QStringList{kQuestion} +
                                     chime(QStringLiteral("endpinpon.wav")) + QStringList{kQuestion});
        QCOMPARE(w.toolkit->titles.last(), QStringLiteral(" Veltrum の問題"));
        QCOMPARE(w.toolkit->endCalls, 0);
        QVERIFY(w.window.isVisible());
        QCOMPARE(w.window.Label1->text(), QStringLiteral(u"ｎ＝ 11"));
        QCOMPARE(w.window.Text1->text(), QStringLiteral(" 34 17 52 26 13 40 20 10 5 16 8 4 2 1"));
        QCOMPARE(w.window.Picture1->lines(), panel);

        // The next click works as before; the reset chime follows the end chime.
        w.window.Command1->click();
        QCOMPARE(w.window.Text1->text(), QStringLiteral(" 10 5 16 8 4 2 1"));
        w.toolkit->log.clear();
        w.window.Command3->click();
        QCOMPARE(w.toolkit->log, chime(QStringLiteral("pinpon.wav")));
    }

    void quitAnsweredYesEndsAndNothingFollows()
    {
        ScriptedWindow w;
        w.toolkit->inputs = {QStringLiteral("11")};
        w.window.Command1->click();
        w.toolkit->log.clear();
        w.toolkit->answers = {true};
        w.window.Command2->click();
        QCOMPARE(w.toolkit->log, chime(QStringLiteral("endpinpon.wav")) + (QStringList{kQuestion, QStringLiteral("end")}));
        QCOMPARE(w.window.Label1->text(), QStringLiteral(u"ｎ＝ 11")); // nothing cleared, nothing more played
    }

    void titleBarCloseEndsWithoutChimeOrQuestion()
    {
        ScriptedWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QVERIFY(w.window.close());
        QVERIFY(w.toolkit->log.isEmpty());
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
