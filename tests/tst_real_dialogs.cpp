// The real Qt dialogs, driven end to end as a user would: typing, buttons, Escape.
#include "main_window.h"
#include "question_dialog.h"
#include "qt_toolkit.h"
#include "scripted_toolkit.h"
#include "sequence_box.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Runs each action in turn on the next modal dialog that opens.
void whenDialogsOpen(QList<std::function<void(QWidget*)>> actions)
{
    if (actions.isEmpty())
        return;
    QTimer::singleShot(0, [actions]() mutable {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) {
            whenDialogsOpen(actions); // not open yet
            return;
        }
        auto action = actions.takeFirst();
        whenDialogsOpen(actions);
        action(dialog);
    });
}

QPushButton* buttonCalled(QWidget* dialog, const QString& text)
{
    for (auto* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

class TestRealDialogs : public QObject {
    Q_OBJECT

private slots:
    void inputDialogReturnsTheTextOnOkOnly_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<QString>("expected");
        QTest::newRow("OK") << 0 << QStringLiteral("27");
        QTest::newRow("Cancel") << 1 << QString();
        QTest::newRow("Escape") << 2 << QString();
        QTest::newRow("close") << 3 << QString();
    }

    void inputDialogReturnsTheTextOnOkOnly()
    {
        QFETCH(int, way);
        QFETCH(QString, expected);
        QWidget parent;
        QtToolkit toolkit(&parent);
        QString title;
        QString prompt;
        whenDialogsOpen({[&](QWidget* dialog) {
            title = dialog->windowTitle();
            prompt = dialog->findChild<QLabel*>()->text();
            QTest::keyClicks(dialog->findChild<QLineEdit*>(), QStringLiteral("27"));
            if (way == 0)
                buttonCalled(dialog, QStringLiteral("OK"))->click();
            else if (way == 1)
                buttonCalled(dialog, QStringLiteral(u"キャンセル"))->click();
            else if (way == 2)
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                dialog->close();
        }});
        QCOMPARE(toolkit.inputDialog(QStringLiteral("prompt"), QStringLiteral(u"\u3000title")), expected);
        QCOMPARE(title, QStringLiteral(u"\u3000title"));
        QCOMPARE(prompt, QStringLiteral("prompt"));
    }

    void questionDialogOnlyClosesByItsButtons()
    {
        QWidget parent;
        QtToolkit toolkit(&parent);
        bool stillOpenAfterEscapeAndClose = false;
        bool yesIsDefault = false;
        QStringList buttons;
        whenDialogsOpen({[&](QWidget* dialog) {
            auto* question = qobject_cast<QuestionDialog*>(dialog);
            QTest::keyClick(dialog, Qt::Key_Escape);
            dialog->close();
            QCoreApplication::processEvents();
            stillOpenAfterEscapeAndClose = dialog->isVisible();
            yesIsDefault = question->yesButton()->isDefault();
            for (auto* button : dialog->findChildren<QPushButton*>())
                buttons << button->text();
            QTest::keyClick(dialog, Qt::Key_Return); // Enter presses はい
        }});
        QVERIFY(toolkit.questionDialog(QStringLiteral(u"終了していいですか？"), QStringLiteral(" t")));
        QVERIFY(stillOpenAfterEscapeAndClose);
        QVERIFY(yesIsDefault);
        buttons.sort();
        QCOMPARE(buttons, (QStringList{QStringLiteral(u"いいえ"), QStringLiteral(u"はい")}));

        whenDialogsOpen({[](QWidget* dialog) { buttonCalled(dialog, QStringLiteral(u"いいえ"))->click(); }});
        QVERIFY(!toolkit.questionDialog(QStringLiteral("q"), QStringLiteral("t")));
    }

    void experimentThroughTheRealDialog()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList labelsWhileAsking;
        const auto answer = [&](const QString& typed) {
            return [&, typed](QWidget* dialog) {
                labelsWhileAsking << window.Label1->text();
                QTest::keyClicks(dialog->findChild<QLineEdit*>(), typed);
                QTest::keyClick(dialog, Qt::Key_Return);
            };
        };
        whenDialogsOpen({answer(QStringLiteral("abc")),
                         [&](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); },
                         answer(QStringLiteral("27"))});
        QTest::keyClick(window.Command1, Qt::Key_Return);
        QCOMPARE(labelsWhileAsking, (QStringList{QString(), QString()}));
        QCOMPARE(window.Label1->text(), QStringLiteral(u"ｎ＝ 27"));
        QVERIFY(window.Text1->text().startsWith(QStringLiteral(" 82 41 124 62")));
        QTRY_COMPARE(window.Text1->toPlainText(), window.Text1->text());
    }

    // The real question with a recording control: いいえ keeps the window, Enter (はい) ends the loop.
    void quitThroughTheRealQuestion()
    {
        auto* control = new RecordingControl;
        QStringList log;
        control->log = &log;
        MainWindow window(nullptr, std::unique_ptr<MediaControl>(control));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QString title;
        whenDialogsOpen({[&](QWidget* dialog) {
            title = dialog->windowTitle();
            log << QStringLiteral("question");
            buttonCalled(dialog, QStringLiteral(u"いいえ"))->click();
        }});
        window.Command2->click();
        QCOMPARE(title, QStringLiteral(" Veltrum の問題"));
        QCOMPARE(log.size(), 6); // the five settings of the chime, then the question
        QCOMPARE(log.last(), QStringLiteral("question"));
        QVERIFY(window.isVisible());

        whenDialogsOpen({[](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); }});
        QTimer::singleShot(0, window.Command2, &QPushButton::click);
        bool timedOut = false;
        QTimer::singleShot(10000, [&timedOut] { timedOut = true; QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!timedOut);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestRealDialogs)
#include "tst_real_dialogs.moc"
