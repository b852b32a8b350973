// Stand-ins for the window's toolkit and multimedia control: the toolkit answers the dialogs from a
// script and records what the window showed each time a dialog opened; the control records every
// setting. Both write to one shared log, so tests can check the order of chimes and dialogs.
#pragma once

#include "main_window.h"
#include "media_control.h"
#include "sequence_box.h"
#include "toolkit.h"

#include <QLabel>
#include <QStringList>

#include <functional>

struct RecordingControl : MediaControl {
    QStringList* log = nullptr;

    Status setProperty(int dispatchId, const QString& value) override
    {
        log->append(QStringLiteral("%1=%2").arg(dispatchId).arg(value));
        return Success;
    }
};

struct ScriptedToolkit : Toolkit {
    QStringList inputs;       // answers to the input dialog, in order; Cancel is an empty string
    QList<bool> answers;      // answers to the question dialog
    MainWindow* window = nullptr;
    std::function<void()> whileOpen; // runs inside every dialog, as a user might act meanwhile

    QStringList prompts, titles, labelsSeen, boxesSeen;
    QStringList log; // control settings, dialogs and the end, in order
    int endCalls = 0;

    QString inputDialog(const QString& prompt, const QString& title) override
    {
        record(prompt, title);
        return inputs.isEmpty() ? QStringLiteral("3") : inputs.takeFirst();
    }

    bool questionDialog(const QString& prompt, const QString& title) override
    {
        record(prompt, title);
        return !answers.isEmpty() && answers.takeFirst();
    }

    void end() override
    {
        ++endCalls;
        log << QStringLiteral("end");
    }

private:
    void record(const QString& prompt, const QString& title)
    {
        log << QStringLiteral("dialog:") + prompt;
        prompts << prompt;
        titles << title;
        if (window) {
            labelsSeen << window->Label1->text();
            boxesSeen << window->Text1->text();
        }
        if (whileOpen)
            whileOpen();
    }
};

// A window driven by the stand-ins, which the test keeps handles on.
struct ScriptedWindow {
    ScriptedToolkit* toolkit;
    RecordingControl* control;
    MainWindow window;

    ScriptedWindow() : ScriptedWindow(new ScriptedToolkit, new RecordingControl) {}

private:
    ScriptedWindow(ScriptedToolkit* t, RecordingControl* c)
        : toolkit(t), control(c), window(std::unique_ptr<Toolkit>(t), std::unique_ptr<MediaControl>(c))
    {
        toolkit->window = &window;
        control->log = &toolkit->log;
    }
};
