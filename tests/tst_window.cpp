// The window as a user meets it: the real window and its real dialogs, driven by keys and clicks,
// with a stand-in multimedia control that records the chimes.
#include "design.h"
#include "explanation_panel.h"
#include "font_fallback.h"
#include "main_window.h"
#include "accessible_widgets.h"
#include "hidden_carets.h"
#include "sequence_box.h"

#include <QAccessible>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <functional>

namespace {

struct RecordingControl : MediaControl {
    QStringList log;
    Status setProperty(int dispatchId, const QString& value) override
    {
        log << QString::number(dispatchId) + "=" + value;
        return Success;
    }
};

QStringList chime(const QString& file)
{
    return {"23=Stop", "23=Close", "22=" + file, "23=Open", "23=Sound"};
}

// The window with the real dialogs, shown and active; log gathers the chimes' settings.
struct Window : MainWindow {
    QStringList& log = static_cast<RecordingControl*>(MMControl1.get())->log;
    Window() : MainWindow(nullptr, std::make_unique<RecordingControl>())
    {
        show();
        QCOMPARE(Picture1->lines().size(), 9); // printed when shown, before any activation
        QVERIFY(QTest::qWaitForWindowActive(this));
    }
};

// Runs each action on the next modal dialog that opens, one dialog after another.
void onDialogs(QList<std::function<void(QWidget*)>> actions)
{
    QTimer::singleShot(0, [actions]() mutable {
        QWidget* dialog = QApplication::activeModalWidget();
        const auto action = dialog ? actions.takeFirst() : nullptr;
        if (!actions.isEmpty())
            onDialogs(actions);
        if (action)
            action(dialog);
    });
}

// A dialog as the user sees it: title, text, the title bar's buttons (the desktop's own unless the
// dialog chooses) and the dialog's buttons, the default one marked with *.
QString shown(QWidget* dialog)
{
    QString text = dialog->windowTitle() + "|" + dialog->findChild<QLabel*>()->text() + "|";
    if (dialog->minimumSize() != dialog->maximumSize())
        text += "resizable ";
    const Qt::WindowFlags flags = dialog->windowFlags();
    if (!(flags & Qt::CustomizeWindowHint))
        text += "[desktop's] ";
    else
        text += QString(flags & Qt::WindowMinMaxButtonsHint ? "[_□] " : "") + (flags & Qt::WindowCloseButtonHint ? "[×] " : "");
    for (auto* button : dialog->findChildren<QPushButton*>())
        text += button->text() + (button->isDefault() ? "* " : " ");
    return text;
}

// What a screen reader is told without moving the focus: words announced, which before Qt 6.8 are
// a notification shown; and caret moves of fields not shown, which a reader that is behind follows
// in silence, to say nothing when the focus comes.
QStringList announced;
int hiddenCarets = 0;
void hearAnnouncements(QAccessibleEvent* event)
{
    const auto* widget = qobject_cast<const QWidget*>(event->object());
    hiddenCarets += event->type() == QAccessible::TextCaretMoved && widget && !widget->isVisible();
    const QAccessibleInterface* object = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && object->role() == QAccessible::Notification)
        announced << object->text(QAccessible::Name);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        announced << static_cast<QAccessibleAnnouncementEvent*>(event)->message();
#endif
}

// A dialog as a screen reader speaks it when it opens: its name and description, then the name of
// the control inside that has the focus.
QString spoken(QWidget* dialog)
{
    QAccessibleInterface* object = QAccessible::queryAccessibleInterface(dialog);
    return object->text(QAccessible::Name) + "|" + object->text(QAccessible::Description) + "|" +
           object->focusChild()->text(QAccessible::Name);
}

// Enter held down, as the keyboard repeats it: marked as a repeat, and as X11 repeats it to a
// program that reads its events late, a release and a press at the same time, unmarked.
void holdEnter(QWidget* window)
{
    QKeyEvent marked(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, {}), press(QEvent::KeyPress, Qt::Key_Return, {});
    for (QKeyEvent* event : {&marked, &release, &press}) {
        event->setTimestamp(4711);
        QCoreApplication::sendEvent(window->windowHandle(), event);
    }
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installJapaneseFontFallback();
        QAccessible::installFactory(accessibleWidget);
    }

    void opensAsDesigned()
    {
        Window w;
        QCOMPARE(w.windowTitle(), " Veltrumの問題（コラッツの問題）\u3000");
        w.windowHandle()->setWindowStates(Qt::WindowMaximized); // as a title bar's button asks
        QTRY_COMPARE(w.windowHandle()->windowStates(), Qt::WindowNoState);
        const QList<QSize> sizes{w.minimumSize(), w.size(), w.windowHandle()->maximumSize()};
        QCOMPARE(sizes, QList<QSize>(3, QSize(698, 504)));
        int placed = 0; // all but the window itself and the line, which are not controls
        for (const auto& [name, twips] : layout::places) {
            if (auto* control = w.findChild<QWidget*>(QString::fromUtf8(name.data(), name.size())); control && ++placed)
                QCOMPARE(control->geometry(), QRect(twips.left / 15, twips.top / 15, twips.width / 15, twips.height / 15));
        }
        QCOMPARE(placed, 6);
        // Whatever the table says: every control inside the window, and none over another.
        const QList<QWidget*> controls{w.Command1, w.Command2, w.Command3, w.Label1, w.Text1, w.Picture1};
        for (const QWidget* control : controls) {
            QVERIFY2(w.rect().contains(control->geometry()), qPrintable(control->objectName()));
            for (const QWidget* other : controls) {
                QVERIFY2(control == other || !control->geometry().intersects(other->geometry()),
                         qPrintable(control->objectName() + " over " + other->objectName()));
            }
        }
        const QStringList captions{w.Command1->text(), w.Command2->text(), w.Command3->text(), w.Label1->text(), w.Text1->text()};
        QCOMPARE(captions, QStringList({"実\u3000験", "終了", "初期化", "", ""}));
        QCOMPARE(QApplication::focusWidget(), w.Command1);
        for (QWidget* next : QList<QWidget*>{w.Text1, w.Command2, w.Command3, w.Picture1, w.Command1}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }

        // The very dark blue window, the rule under the top row, the white panel; a red band in the icon.
        const QImage image = w.grab().toImage();
        QCOMPARE(image.pixelColor(4, 100), QColor(1, 0, 66));
        QCOMPARE(image.pixelColor(300, 24), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(300, 25), QColor(1, 0, 66));
        QCOMPARE(image.pixelColor(685, 190), QColor(255, 255, 255));
        QCOMPARE(w.windowIcon().pixmap(32).toImage().pixelColor(1, 2), QColor(212, 0, 0));

        // The label and the panel ask for the Japanese face; an installed Japanese face stands in.
        for (const QWidget* widget : QList<QWidget*>{w.Label1, w.Picture1}) {
            QCOMPARE(widget->font().family() + QString::number(widget->font().pointSize()), "ＭＳ Ｐゴシック12");
            QVERIFY(QFontDatabase::writingSystems(QFontInfo(widget->font()).family()).contains(QFontDatabase::Japanese));
        }

        // The statement of the problem. Its nine lines are long: their SHA-1 stands for them, and a
        // mismatch shows the lines printed.
        const QString statement = w.Picture1->lines().join('\n');
        const QByteArray sha1 = QCryptographicHash::hash(statement.toUtf8(), QCryptographicHash::Sha1).toHex();
        QVERIFY2(sha1 == "237cbb64ccbe3441d738fb997f65d7672577ea7e", qPrintable(statement));

        // What a screen reader reads: a frame named by the caption, the panel's lines, the box's name.
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&w);
        QCOMPARE(frame->text(QAccessible::Name) + QString::number(frame->role()), w.windowTitle() + "9");
        QAccessibleTextInterface* panel = QAccessible::queryAccessibleInterface(w.Picture1)->textInterface();
        QCOMPARE(panel->text(0, panel->characterCount()), statement);
        QCOMPARE(QAccessible::queryAccessibleInterface(w.Picture1)->text(QAccessible::Description), statement);
        QCOMPARE(QAccessible::queryAccessibleInterface(w.Text1)->text(QAccessible::Name), "数列");
    }

    // A refused value, 27 and 終了 as a screen reader speaks them: each dialog's prompt or question
    // as it opens, and the outcome once.
    void spokenByAScreenReader()
    {
        Window w;
        QAccessible::installUpdateHandler(hearAnnouncements);
        keepHiddenCaretsFromReaders(); // in front, as at the program's start
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true); // as a reader's start does
        QStringList dialogs;
        const auto answer = [&dialogs](const char* typed) {
            return [&dialogs, typed](QWidget* dialog) {
                dialogs << spoken(dialog);
                QTest::keyClicks(dialog->focusWidget(), typed);
            };
        };
        onDialogs({answer("2\r"), answer("27\r"), answer(" ")});
        QTest::keyClick(w.Command1, Qt::Key_Return);
        QTRY_COMPARE(announced, QStringList("ｎ＝ 27、数列を表示しました。"));
        QTimer::singleShot(0, w.Command2, &QPushButton::click);
        QCOMPARE(QCoreApplication::exec(), 0);
        QAccessible::installUpdateHandler(nullptr);
        const QString input = "\u3000Veltrum の問題||3以上10000000以下の整数を半角で入力してください．．．";
        QCOMPARE(dialogs, QStringList({input, input, " Veltrum の問題|終了していいですか？|はい"}));
        QCOMPARE(announced.size(), 1);
        QCOMPARE(hiddenCarets, 0);
    }

    // The statement in a proportional face at the largest size at which its widest line fits the
    // panel, in the panel's ink, one pitch a line, the ninth line whole inside the panel. CTest runs
    // this also with each Japanese face alone, the one that COLLATZ_FACE names.
    void fitsTheStatementByWidth()
    {
        Window w;
        const QFont font = w.Picture1->drawingFont();
        if (qEnvironmentVariableIsSet("COLLATZ_FACE"))
            QCOMPARE(QFontInfo(font).family(), qEnvironmentVariable("COLLATZ_FACE"));
        QVERIFY(QFontMetricsF(font).horizontalAdvance('i') < QFontMetricsF(font).horizontalAdvance('W'));
        auto widest = [&w, sized = QFont(font)](qreal points) mutable {
            sized.setPointSizeF(points);
            qreal widest = 0;
            for (const QString& line : w.Picture1->lines())
                widest = std::max(widest, QFontMetricsF(sized, w.Picture1).horizontalAdvance(line));
            return widest;
        };
        QVERIFY(widest(font.pointSizeF()) <= 681);
        QVERIFY(widest(font.pointSizeF() + 0.25) > 681);
        const QImage panel = w.Picture1->grab().toImage();
        int lowestInk = 0;
        for (int i = 0; i < panel.width() * panel.height(); ++i) {
            if (panel.pixelColor(i % panel.width(), i / panel.width()) == QColor(1, 0, 98))
                lowestInk = i / panel.width();
        }
        const qreal pitch = w.Picture1->linePitch();
        QVERIFY2(lowestInk > 8 * pitch && lowestInk < 9.25 * pitch && lowestInk < 160,
                 qPrintable(QString("ink down to %1 with lines %2 apart").arg(lowestInk).arg(pitch)));
    }

    // Experiments after refused answers, 初期化, then 終了 answered いいえ and then はい.
    void experimentsResetAndQuit()
    {
        Window w;
        QStringList seen; // each dialog as it opened, and the start label and the box then
        QList<std::function<void(QWidget*)>> actions;
        // Typed keys, ending in Enter (\r) or Escape (\x1b).
        for (const QString typed : {"27\x1b", "\r", "2\r", "abc\r", "10000001\r", "-5\r", "11\r", "8400511\r"}) {
            actions << [&w, &seen, typed](QWidget* dialog) {
                // Behind the dialog the buttons still take an assistive technology's press: nothing starts.
                w.Command3->click();
                w.Command1->click();
                seen << shown(dialog) + "|" + w.Label1->text() + w.Text1->text();
                holdEnter(dialog); // the Enter that answered the dialog before, still held, answers nothing
                QTest::keyClicks(dialog->findChild<QLineEdit*>(), typed);
            };
        }
        onDialogs(actions);
        QTest::keyClick(w.Command1, Qt::Key_Return);
        QCOMPARE(w.Label1->text(), "ｎ＝ 11");
        QCOMPARE(w.Text1->text(), " 34 17 52 26 13 40 20 10 5 16 8 4 2 1");
        holdEnter(&w); // the Enter that answered, still held, does not ask again
        QTest::keyClick(w.Command1, Qt::Key_Space);
        QCOMPARE(seen, QStringList(8, "\u3000Veltrum の問題|3以上10000000以下の整数を半角で入力してください．．．|[×] OK* キャンセル |"));

        // The longest sequence, shown without a scroll bar; typing changes nothing.
        SequenceBox* box = w.Text1;
        QTRY_COMPARE(box->toPlainText(), box->text());
        QCOMPARE(box->text().count(' '), 685);
        QVERIFY(!box->verticalScrollBar()->isVisible());
        box->setFocus();
        QTest::keyClicks(box, "9");
        QCOMPARE(box->toPlainText(), box->text());

        w.Command3->click();
        QCOMPARE(w.log, chime("pinpon.wav"));
        QCOMPARE(w.Label1->text() + box->text() + QString::fromStdString(w.sequenceText), "");
        QTRY_VERIFY(box->toPlainText().isEmpty());

        // Neither Escape, the close control nor a held Enter answers the question.
        w.log.clear();
        onDialogs({[&w](QWidget* question) {
            QTest::keyClick(question, Qt::Key_Escape);
            question->close();
            holdEnter(question);
            w.log << shown(question) + (question->isVisible() ? "open" : "closed");
            // The whole title fits beside a title bar's icon and buttons, in a bold 11-point face.
            const QFontMetrics titleBar(QFont(QString(), 11, QFont::Bold));
            QVERIFY(question->width() > titleBar.horizontalAdvance(question->windowTitle()) + 100);
            QTest::keyClick(question->findChildren<QPushButton*>().at(1), Qt::Key_Space); // いいえ
        }});
        w.Command2->click();
        QCOMPARE(w.log, chime("endpinpon.wav") << " Veltrum の問題|終了していいですか？|はい* いいえ open");
        QVERIFY(w.isVisible());

        // Enter presses はい: the program ends, and nothing follows the question.
        w.log.clear();
        onDialogs({[](QWidget* question) { QTest::keyClick(question->focusWidget(), Qt::Key_Return); }});
        QTimer::singleShot(0, w.Command2, &QPushButton::click);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.log, chime("endpinpon.wav"));
    }

    // Closed from the desktop, the window ends the program with status 0 at once, with no chime nor
    // question, also while a dialog waits, which goes with it and whose command goes no further. A
    // waiting dialog that the desktop minimised comes back when the window is activated.
    void closingEndsTheProgramAndWaitingDialogsStayReachable()
    {
        const struct { const char* command; QString seen; QStringList log; } rows[] = {
            {nullptr, "", {}},
            {"Command1", "restored active, then gone", {}},
            {"Command2", "restored active, then gone", chime("endpinpon.wav")},
        };
        for (const auto& row : rows) {
            Window w;
            QString seen;
            if (row.command) {
                onDialogs({[&w, &seen](QWidget* dialog) {
                    dialog->windowHandle()->setWindowState(Qt::WindowMinimized); // as a title bar's button asks
                    w.windowHandle()->requestActivate();                         // as a click on the window does
                    QTRY_COMPARE(QApplication::activeWindow(), dialog);
                    seen = (dialog->isMinimized() ? "minimised" : "restored") + QString(" active, then ");
                    QTimer::singleShot(1000, &w, &MainWindow::endProgram); // in case the close is ignored
                    w.windowHandle()->close(); // as a compositor's close does, which no modal dialog blocks
                    seen += dialog->isVisible() ? "still open" : "gone";
                }});
                QTimer::singleShot(0, w.findChild<QPushButton*>(row.command), &QPushButton::click);
            } else {
                QTimer::singleShot(0, &w, [&w] { w.windowHandle()->close(); });
            }
            QCOMPARE(QCoreApplication::exec(), 0);
            QCOMPARE(seen, row.seen);
            QCOMPARE(w.log, row.log);
            QVERIFY(!w.isVisible());
            QCOMPARE(w.Label1->text(), "");
        }
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
