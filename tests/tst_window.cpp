// The window as a user meets it: the real window and its real dialogs, driven by keys and clicks,
// with a stand-in multimedia control that records the chimes.
#include "explanation_panel.h"
#include "font_fallback.h"
#include "main_window.h"
#include "sequence_box.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <functional>

namespace {

struct RecordingControl : MediaControl {
    explicit RecordingControl(QStringList& log) : log(log) {}
    Status setProperty(int dispatchId, const QString& value) override
    {
        log << QString::number(dispatchId) + "=" + value;
        return Success;
    }
    QStringList& log;
};

QStringList chime(const QString& file)
{
    return {"23=Stop", "23=Close", "22=" + file, "23=Open", "23=Sound"};
}

struct Log {
    QStringList log; // the settings of the multimedia control
};

// The window with the real dialogs and the recording control, shown and active.
struct Window : Log, MainWindow {
    Window() : MainWindow(nullptr, std::make_unique<RecordingControl>(log))
    {
        show();
        QVERIFY(QTest::qWaitForWindowActive(this));
    }
};

using DialogAction = std::function<void(QWidget*)>;

// Runs each action on the next modal dialog that opens, one dialog after another.
void onDialogs(QList<DialogAction> actions)
{
    if (actions.isEmpty())
        return;
    QTimer::singleShot(0, [actions]() mutable {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return onDialogs(actions);
        const DialogAction action = actions.takeFirst();
        onDialogs(actions);
        action(dialog);
    });
}

// A dialog as the user sees it: title, text and buttons, the default one marked with *.
QString shown(QWidget* dialog)
{
    QStringList buttons;
    for (auto* button : dialog->findChildren<QPushButton*>())
        buttons << button->text() + (button->isDefault() ? "*" : "");
    return dialog->windowTitle() + "|" + dialog->findChild<QLabel*>()->text() + "|" + buttons.join(' ');
}

// Types into the input dialog, then presses Enter, or Escape for an answer that ends in <Esc>.
void answer(QWidget* dialog, QString typed)
{
    const bool escape = typed.endsWith("<Esc>");
    auto* field = dialog->findChild<QLineEdit*>();
    QTest::keyClicks(field, typed.remove("<Esc>"));
    QTest::keyClick(field, escape ? Qt::Key_Escape : Qt::Key_Return);
}

// A key held down, as the keyboard repeats it.
void repeatKey(QWidget* window, Qt::Key key)
{
    QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(window->windowHandle(), &repeat);
}

// Runs the event loop until the program ends, and gives its exit status; 1 if it never ends.
int runToTheEnd()
{
    QTimer watchdog;
    watchdog.callOnTimeout([] { QCoreApplication::exit(1); });
    watchdog.start(20000);
    return QCoreApplication::exec();
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installJapaneseFontFallback(); }

    void opensAsDesigned()
    {
        Window w;
        QCOMPARE(w.windowTitle(), " Veltrumの問題（コラッツの問題）\u3000");
        QCOMPARE(w.minimumSize(), QSize(698, 504));
        QCOMPARE(w.maximumSize(), QSize(698, 504));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        const struct { const char* name; QRect place; QString text; } controls[] = {
            {"Command1", {312, 448, 81, 41}, "実\u3000験"}, {"Label1", {8, 448, 193, 17}, ""},
            {"Text1", {8, 200, 681, 233}, ""}, {"Command2", {0, 0, 57, 25}, "終了"},
            {"Command3", {640, 0, 57, 25}, "初期化"}, {"Picture1", {8, 32, 681, 161}, ""},
        };
        for (const auto& control : controls) {
            const auto* widget = w.findChild<QWidget*>(control.name);
            QCOMPARE(widget->geometry(), control.place);
            QCOMPARE(widget->property("text").toString(), control.text);
        }
        QCOMPARE(QApplication::focusWidget(), w.Command1);
        for (QWidget* next : QList<QWidget*>{w.Text1, w.Command2, w.Command3, w.Command1}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }

        // The very dark blue window, the rule under the top row, dark blue on the white panel.
        const QImage image = w.grab().toImage();
        const QColor windowColour(1, 0, 66);
        QCOMPARE(image.pixelColor(4, 100), windowColour);
        QCOMPARE(image.pixelColor(300, 23), windowColour);
        QVERIFY(image.pixelColor(300, 24) != windowColour);
        QCOMPARE(image.pixelColor(300, 25), windowColour);
        QCOMPARE(image.pixelColor(685, 190), QColor(255, 255, 255));
        int ink = 0;
        for (int y = 32; y < 193; ++y) {
            for (int x = 8; x < 689; ++x)
                ink += image.pixelColor(x, y) == QColor(1, 0, 98);
        }
        QVERIFY(ink > 100);
        const QImage icon = w.windowIcon().pixmap(32, 32).toImage(); // a red band over a white one
        QCOMPARE(icon.pixelColor(1, 2), QColor(212, 0, 0));
        QCOMPARE(icon.pixelColor(1, 11), QColor(255, 255, 255));

        // The label and the panel ask for the Japanese face; an installed Japanese face stands in.
        for (const QWidget* widget : QList<QWidget*>{w.Label1, w.Picture1}) {
            QCOMPARE(widget->font().family(), "ＭＳ Ｐゴシック");
            QCOMPARE(widget->font().pointSize(), 12);
            const QString face = QFontInfo(widget->font()).family();
            QVERIFY2(QFontDatabase::writingSystems(face).contains(QFontDatabase::Japanese), qPrintable(face));
        }

        const QStringList statement{
            "",
            "\u3000【問題】",
            "\u3000\u3000\u3000\u3000\u3000どんな自然数から始めても良いので、その数が偶数ならば２で割り、奇数ならば３倍して１を",
            "\u3000\u3000\u3000\u3000加えることを繰り返します。",
            "\u3000\u3000\u3000\u3000\u3000そうすると、どんな自然数から始めても必ず１になるというのはほんとうなのでしょうか。",
            "\u3000\u3000\u3000\u3000\u300011から始めると、11→34→17→52→26→13→40→20→10→5→16→8→4→2→1 となります。",
            "\u3000\u3000\u3000\u3000\u3000この問題は有名な難問で、いまだに解けていません。また、コンピュータを使って、非常に大",
            "\u3000\u3000\u3000\u3000きな数（４兆）まで調べられていますが、１にならない例は発見されていません。",
            "\u3000\u3000\u3000\u3000\u3000下の［実験］をクリックして、バソコンで簡単な実験をしてみましょう。",
        };
        QCOMPARE(w.Picture1->lines(), statement);
        const QFontMetricsF metrics(w.Picture1->drawingFont());
        QVERIFY(statement.size() * metrics.lineSpacing() <= 161);
        for (const QString& line : statement)
            QVERIFY2(metrics.horizontalAdvance(line) <= 681, qPrintable(line));

        // Switching to another window and back does not print it again.
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.Picture1->lines().size(), 9);
    }

    // Experiments with refused answers, 初期化, then 終了 answered いいえ and then はい.
    void experimentsResetAndQuit()
    {
        Window w;
        const QStringList panel = w.Picture1->lines();
        QStringList seen; // each dialog as it opened, and the start label and the box then
        QList<DialogAction> actions;
        for (const QString typed : {"27<Esc>", "", "2", "abc", "10000001", "-5", "11", "8400511"}) {
            actions << [&w, &seen, typed](QWidget* dialog) {
                seen << shown(dialog) + "|" + w.Label1->text() + w.Text1->text();
                answer(dialog, typed);
            };
        }
        onDialogs(actions);
        QTest::keyClick(w.Command1, Qt::Key_Return);
        QCOMPARE(w.Label1->text(), "ｎ＝ 11");
        QCOMPARE(w.Text1->text(), " 34 17 52 26 13 40 20 10 5 16 8 4 2 1");
        repeatKey(&w, Qt::Key_Return); // the Enter that answered, still held, does not ask again
        QTest::keyClick(w.Command1, Qt::Key_Space);
        QCOMPARE(seen, QStringList(8, "\u3000Veltrum の問題|3以上10000000以下の整数を半角で入力してください．．．|OK* キャンセル|"));

        // The longest sequence: no scroll bar, read-only, it copies.
        SequenceBox* box = w.Text1;
        QTRY_COMPARE(box->toPlainText(), box->text());
        QCOMPARE(box->text().count(' '), 685);
        QVERIFY(!box->verticalScrollBar()->isVisible());
        box->setFocus();
        QTest::keyClicks(box, "9");
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), box->text());
        QCOMPARE(box->toPlainText(), box->text());

        w.log.clear();
        w.Command3->click();
        QCOMPARE(w.log, chime("pinpon.wav"));
        QCOMPARE(w.Label1->text() + box->text() + QString::fromStdString(w.sequenceText), "");
        QTRY_VERIFY(box->toPlainText().isEmpty());

        // Neither Escape, the close control nor a held Enter answers the question.
        w.log.clear();
        onDialogs({[&w](QWidget* question) {
            w.log << shown(question);
            QTest::keyClick(question, Qt::Key_Escape);
            question->close();
            repeatKey(question, Qt::Key_Return);
            w.log << (question->isVisible() ? "open" : "closed");
            QTest::keyClick(question->findChildren<QPushButton*>().at(1), Qt::Key_Space); // いいえ
        }});
        w.Command2->click();
        QCOMPARE(w.log, chime("endpinpon.wav") << " Veltrum の問題|終了していいですか？|はい* いいえ" << "open");
        QVERIFY(w.isVisible());
        QCOMPARE(w.Picture1->lines(), panel);

        // Enter presses はい: the program ends, and nothing follows the question.
        w.log.clear();
        onDialogs({[](QWidget* question) { QTest::keyClick(question->focusWidget(), Qt::Key_Return); }});
        QTimer::singleShot(0, w.Command2, &QPushButton::click);
        QCOMPARE(runToTheEnd(), 0);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.log, chime("endpinpon.wav"));
    }

    void closingTheWindowEndsWithoutChimeOrQuestion()
    {
        Window w;
        QVERIFY(w.close());
        QVERIFY(w.log.isEmpty());
    }

    // Behind an open dialog the buttons still take an assistive technology's press: nothing starts.
    // The end of the program (SIGTERM) while the dialog waits ends the command too.
    void noCommandStartsWhileADialogWaits()
    {
        Window w;
        int dialogs = 0;
        onDialogs({[&](QWidget*) {
            ++dialogs;
            w.Command3->click();
            w.Command1->click();
            w.endProgram();
        }});
        QTimer::singleShot(0, w.Command1, &QPushButton::click);
        QCOMPARE(runToTheEnd(), 0);
        QCOMPARE(dialogs, 1);
        QVERIFY(w.log.isEmpty());
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
