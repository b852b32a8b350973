// The 実　験 command, driven through a scripted toolkit.
#include "main_window.h"
#include "scripted_toolkit.h"

#include <QClipboard>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString kPrompt = QStringLiteral(u"3以上10000000以下の整数を半角で入力してください．．．");
const QString kTitle = QStringLiteral(u"\u3000Veltrum の問題");

} // namespace

class TestExperiment : public QObject {
    Q_OBJECT

private slots:
    void acceptedStartRunsTo1_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("steps");
        QTest::newRow("11") << "11" << QStringLiteral(u"ｎ＝ 11") << " 34 17 52 26 13 40 20 10 5 16 8 4 2 1" << 14;
        QTest::newRow("3") << "3" << QStringLiteral(u"ｎ＝ 3") << " 10 5 16 8 4 2 1" << 7;
        QTest::newRow("full-width 11") << QStringLiteral(u"１１") << QStringLiteral(u"ｎ＝ 11")
                                       << " 34 17 52 26 13 40 20 10 5 16 8 4 2 1" << 14;
        QTest::newRow("3.99") << "3.99" << QStringLiteral(u"ｎ＝ 3") << " 10 5 16 8 4 2 1" << 7;
    }

    void acceptedStartRunsTo1()
    {
        QFETCH(QString, entry);
        QFETCH(QString, label);
        QFETCH(QString, box);
        QFETCH(int, steps);
        ScriptedWindow w;
        w.toolkit->inputs = {entry};
        QSignalSpy reports(w.window.Text1, &SequenceBox::textSet);
        w.window.Command1->click();

        QCOMPARE(w.toolkit->prompts, QStringList{kPrompt});
        QCOMPARE(w.toolkit->titles, QStringList{kTitle});
        QCOMPARE(w.window.Label1->text(), label);
        QCOMPARE(w.window.Text1->text(), box);
        QCOMPARE(QString::fromStdString(w.window.sequenceText), box);
        QCOMPARE(w.window.enteredText, entry);
        QCOMPARE(w.window.n, 1.0);
        // One clearing before the dialog, then one report per step, each with the whole text so far.
        QCOMPARE(reports.size(), 1 + steps);
        QCOMPARE(reports.at(1).at(0).toString(), box.left(box.indexOf(QLatin1Char(' '), 1)));
        QCOMPARE(reports.last().at(0).toString(), box);
        // The box shows it once the event loop runs.
        QCoreApplication::processEvents();
        QCOMPARE(w.window.Text1->toPlainText(), box);
    }

    void highestStartRuns145Steps()
    {
        ScriptedWindow w;
        w.toolkit->inputs = {QStringLiteral("10000000")};
        QSignalSpy reports(w.window.Text1, &SequenceBox::textSet);
        w.window.Command1->click();
        QCOMPARE(w.window.Label1->text(), QStringLiteral(u"ｎ＝ 10000000"));
        QCOMPARE(reports.size(), 1 + 145);
        QVERIFY(w.window.Text1->text().startsWith(QStringLiteral(" 5000000 ")));
        QVERIFY(w.window.Text1->text().endsWith(QStringLiteral(" 4 2 1")));
    }

    void refusedEntriesAskAgainWithEmptyBoxAndLabel()
    {
        ScriptedWindow w;
        // Cancel, empty, too small, not a number, too large, negative, infinite, then accepted.
        w.toolkit->inputs = {QString(), QStringLiteral("   "), QStringLiteral("2"), QStringLiteral("abc"),
                             QStringLiteral("10000001"), QStringLiteral("-5"), QStringLiteral("1e400"),
                             QStringLiteral("4")};
        w.window.Command1->click();
        QCOMPARE(w.toolkit->prompts.size(), 8);
        for (int i = 0; i < 8; ++i) {
            QVERIFY2(w.toolkit->labelsSeen.at(i).isEmpty(), qPrintable(w.toolkit->labelsSeen.at(i)));
            QVERIFY(w.toolkit->boxesSeen.at(i).isEmpty());
        }
        QCOMPARE(w.window.Label1->text(), QStringLiteral(u"ｎ＝ 4"));
        QCOMPARE(w.window.Text1->text(), QStringLiteral(" 2 1"));
    }

    void secondRunStartsFromEmpty()
    {
        ScriptedWindow w;
        w.toolkit->inputs = {QStringLiteral("27"), QStringLiteral("3")};
        w.window.Command1->click();
        QVERIFY(w.window.Text1->text().startsWith(QStringLiteral(" 82 41 124 62")));
        w.window.Command1->click();
        QCOMPARE(w.toolkit->labelsSeen.last(), QString());
        QCOMPARE(w.toolkit->boxesSeen.last(), QString());
        QCOMPARE(w.window.Text1->text(), QStringLiteral(" 10 5 16 8 4 2 1"));
        QCOMPARE(QString::fromStdString(w.window.sequenceText), QStringLiteral(" 10 5 16 8 4 2 1"));
    }

    void keyboardOnTheFocusedButtonRunsTheExperiment_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void keyboardOnTheFocusedButtonRunsTheExperiment()
    {
        QFETCH(int, key);
        ScriptedWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.toolkit->inputs = {QStringLiteral("4")};
        QTest::keyClick(w.window.Command1, Qt::Key(key));
        QCOMPARE(w.toolkit->prompts.size(), 1);
        QCOMPARE(w.window.Text1->text(), QStringLiteral(" 2 1"));
    }

    void sequenceBoxIsReadOnlyButSelectableAndCopyable()
    {
        ScriptedWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.toolkit->inputs = {QStringLiteral("27")};
        w.window.Command1->click();
        QCoreApplication::processEvents();
        SequenceBox* box = w.window.Text1;
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("123"));
        QCOMPARE(box->toPlainText(), box->text()); // typing changes nothing
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(box->textCursor().position(), int(box->text().size())); // the caret reaches the end
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), box->text());
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void endingWhileTheDialogIsOpenStopsAsking()
    {
        ScriptedWindow w;
        w.toolkit->inputs = {QString(), QString()};
        w.toolkit->whileOpen = [&w] { w.window.endProgram(); };
        w.window.Command1->click();
        QCOMPARE(w.toolkit->prompts.size(), 1);
        QCOMPARE(w.toolkit->endCalls, 1);
        QVERIFY(w.window.Label1->text().isEmpty());
    }

    void noHandlerStartsWhileADialogIsOpen()
    {
        ScriptedWindow w;
        w.toolkit->inputs = {QStringLiteral("2"), QStringLiteral("3")};
        // An assistive technology's press reaches the button even behind a modal dialog.
        w.toolkit->whileOpen = [&w] { w.window.Command1->click(); };
        w.window.Command1->click();
        QCOMPARE(w.toolkit->prompts.size(), 2);
        QCOMPARE(w.window.Text1->text(), QStringLiteral(" 10 5 16 8 4 2 1"));
        // Once it has returned, the next click works.
        w.toolkit->whileOpen = nullptr;
        w.toolkit->inputs = {QStringLiteral("4")};
        w.window.Command1->click();
        QCOMPARE(w.window.Text1->text(), QStringLiteral(" 2 1"));
    }
};

QTEST_MAIN(TestExperiment)
#include "tst_experiment.moc"
