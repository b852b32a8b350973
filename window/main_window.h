// The program's one window, Form1: its controls, the state the commands share, and their handlers.
#pragma once

#include "media_control.h"
#include "toolkit.h"

#include <QWidget>

#include <memory>
#include <string>

class Announcer;
class ExplanationPanel;
class QLabel;
class QPushButton;
class SequenceBox;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Without a toolkit the window uses the real Qt dialogs; without a media control, Qt Multimedia.
    explicit MainWindow(std::unique_ptr<Toolkit> toolkit = nullptr, std::unique_ptr<MediaControl> control = nullptr);
    ~MainWindow() override;

    // Ends the program: after this no handler goes on, not even one waiting in a dialog.
    void endProgram();

    // The controls, named as the window's design names them.
    QPushButton* Command1 = nullptr; // 実　験
    QLabel* Label1 = nullptr;        // start label
    SequenceBox* Text1 = nullptr;    // sequence box
    QPushButton* Command2 = nullptr; // 終了
    QPushButton* Command3 = nullptr; // 初期化
    ExplanationPanel* Picture1 = nullptr;
    std::unique_ptr<MediaControl> MMControl1; // plays the chimes; it has nothing to show
    Announcer* announcer = nullptr;           // tells a screen reader what an experiment showed

    // State shared by the commands.
    QString enteredText;
    double n = 0;
    std::string sequenceText;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Closed from the desktop (its close button, Alt+F4, an overview, the session), the window ends
    // the program at once, without chime or question, even while a handler waits in a dialog.
    void closeEvent(QCloseEvent* event) override;

private:
    void setupWindow();
    void setupControls();
    void setupTabOrder();
    void connectHandlers();

    // The handlers.
    void onFirstShow();
    void onExperiment();
    void onQuit();
    void onInitialize();

    // Runs a click handler unless another one is still running (waiting in a dialog).
    void runHandler(void (MainWindow::*handler)());
    // Restores, raises and activates the dialog a handler waits in, if one is open and not active.
    void bringBackWaitingDialog();

    std::unique_ptr<Toolkit> m_toolkit;
    bool m_explained = false;
    bool m_handlerRunning = false;
    bool m_ending = false;
};
