// A toolkit stand-in that answers the dialogs from a script and records what the window showed
// each time a dialog opened.
#pragma once

#include "main_window.h"
#include "sequence_box.h"
#include "toolkit.h"

#include <QLabel>
#include <QStringList>

#include <functional>

struct ScriptedToolkit : Toolkit {
    QStringList inputs;       // answers to the input dialog, in order; Cancel is an empty string
    QList<bool> answers;      // answers to the question dialog
    MainWindow* window = nullptr;
    std::function<void()> whileOpen; // runs inside every dialog, as a user might act meanwhile

    QStringList prompts, titles, labelsSeen, boxesSeen;
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

    void end() override { ++endCalls; }

private:
    void record(const QString& prompt, const QString& title)
    {
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

// A window driven by a scripted toolkit that the test keeps a handle on.
struct ScriptedWindow {
    ScriptedToolkit* toolkit;
    MainWindow window;

    ScriptedWindow() : ScriptedWindow(new ScriptedToolkit) {}

private:
    explicit ScriptedWindow(ScriptedToolkit* t) : toolkit(t), window(std::unique_ptr<Toolkit>(t))
    {
        toolkit->window = &window;
    }
};
