#include "main_window.h"

#include "announcer.h"
#include "explanation_panel.h"
#include "fixed_size.h"
#include "fresh_keys_only.h"
#include "layout.h"
#include "multimedia_control.h"
#include "qt_toolkit.h"
#include "sequence_box.h"
#include "sound_files.h"
#include "texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>

namespace {

// Long enough for the compositor's own activations after a window got the focus.
constexpr int kSettleMs = 100;

// The face the label and the panel ask for; where it is missing, font substitutions pick a
// Japanese face that is installed.
QFont japaneseFont()
{
    QFont font(toQString(fonts::japaneseFaces.front()));
    font.setPointSizeF(fonts::size("japanesePointSize"));
    font.setWeight(QFont::Normal);
    return font;
}

template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton* makeButton(QWidget* parent, std::string_view caption)
{
    auto* button = new QPushButton(toQString(caption), parent);
    button->setAutoDefault(true); // Enter on the focused button clicks it, as Space does
    return button;
}

} // namespace

MainWindow::MainWindow(std::unique_ptr<Toolkit> toolkit, std::unique_ptr<MediaControl> control)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      MMControl1(control ? std::move(control) : std::make_unique<MultimediaControl>()),
      m_toolkit(toolkit ? std::move(toolkit) : std::make_unique<QtToolkit>(this))
{
    setupWindow();
    setupControls();
    setupTabOrder();
    connectHandlers();
    QCoreApplication::instance()->installEventFilter(new FreshKeysOnly(this));
    reportSoundFiles({toQString(texts::text("resetChime")), toQString(texts::text("endChime"))});
}

MainWindow::~MainWindow() = default;

void MainWindow::endProgram()
{
    m_ending = true;
    m_toolkit->end();
}

void MainWindow::setupWindow()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(toQString(texts::text("windowCaption")));
    // The scalable image where it is built in (the first file chooses the icon's engine), then
    // every size rendered at build time.
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& name : icons.entryList({QStringLiteral("*.svg")}) + icons.entryList({QStringLiteral("*.png")}))
        icon.addFile(icons.filePath(name));
    setWindowIcon(icon);
    setFixedSize(layout::sizeInPixels(layout::place("Form1")));
    keepAtFixedSize(this);
}

void MainWindow::setupControls()
{
    Command1 = named(makeButton(this, texts::text("experimentCaption")), "Command1");

    Label1 = named(new QLabel(this), "Label1");
    Label1->setFont(japaneseFont());
    Label1->setAutoFillBackground(true); // opaque, in the default colours, on the dark window

    Text1 = named(new SequenceBox(this), "Text1");
    Text1->setAccessibleName(toQString(texts::text("sequenceBoxName")));

    Command2 = named(makeButton(this, texts::text("quitCaption")), "Command2");
    Command3 = named(makeButton(this, texts::text("initializeCaption")), "Command3");

    Picture1 = named(new ExplanationPanel(this), "Picture1");
    Picture1->setFont(japaneseFont());
    Picture1->setAccessibleName(toQString(texts::text("panelName")));
    // Tab reaches the statement, as it reaches a picture box, so that a screen reader reads it; it
    // shows no focus, as a picture box does not.
    Picture1->setFocusPolicy(Qt::TabFocus);

    announcer = new Announcer(this);

    // Each control at its place in the table, found by its name.
    for (const auto& [name, twips] : layout::places) {
        if (auto* control = findChild<QWidget*>(toQString(name), Qt::FindDirectChildrenOnly))
            control->setGeometry(layout::toPixels(twips));
    }
}

void MainWindow::setupTabOrder()
{
    // The label takes no focus; the chain keeps its place all the same.
    QWidget::setTabOrder(Command1, Label1);
    QWidget::setTabOrder(Label1, Text1);
    QWidget::setTabOrder(Text1, Command2);
    QWidget::setTabOrder(Command2, Command3);
    QWidget::setTabOrder(Command3, Picture1);
    Command1->setFocus();
}

void MainWindow::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, [this] { runHandler(&MainWindow::onExperiment); });
    connect(Command2, &QPushButton::clicked, this, [this] { runHandler(&MainWindow::onQuit); });
    connect(Command3, &QPushButton::clicked, this, [this] { runHandler(&MainWindow::onInitialize); });
}

void MainWindow::runHandler(void (MainWindow::*handler)())
{
    // A modal dialog blocks mouse and keyboard, but an assistive technology's press action still
    // reaches a button behind it; no handler may start inside another.
    if (m_handlerRunning)
        return;
    const QScopedValueRollback running(m_handlerRunning, true);
    (this->*handler)();
}

bool MainWindow::event(QEvent* event)
{
    // The explanation is printed once, as soon as the window can be seen: a compositor need not
    // activate a new window, and a blank panel looks like a broken program.
    if ((event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) && !m_explained) {
        m_explained = true;
        onFirstShow();
    }
    // The window takes no clicks while a dialog waits; where a desktop let the dialog be minimised
    // or buried, clicking or switching to the window finds it again. A moment later, so that the
    // dialog's activation is asked for after the window's own (Qt on Wayland asks the compositor to
    // activate the window that has just got the focus), and only if the dialog has not come back
    // by itself.
    if (event->type() == QEvent::WindowActivate)
        QTimer::singleShot(kSettleMs, this, &MainWindow::bringBackWaitingDialog);
    return QWidget::event(event);
}

void MainWindow::bringBackWaitingDialog()
{
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || dialog == this || dialog->isActiveWindow())
        return;
    dialog->setWindowState(dialog->windowState() & ~Qt::WindowMinimized);
    dialog->raise();
    dialog->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    endProgram();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Without a window manager nothing activates a new window; ask for it.
    activateWindow();
}

void MainWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(colours::colour("window")));
    // Line1 lies under the top buttons, which cover it where they overlap it.
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(layout::lineInPixels(layout::place("Line1")));
}
