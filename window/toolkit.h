// The modal services the command handlers call: the two dialogs and the end of the program.
// Tests replace it with a scripted stand-in, so no test blocks in a dialog.
#pragma once

#include <QString>

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Asks for a line of text; returns it on OK and an empty string on Cancel, Escape or close.
    virtual QString inputDialog(const QString& prompt, const QString& title) = 0;
    // Asks a yes-or-no question that only its two buttons can close; true for yes.
    virtual bool questionDialog(const QString& prompt, const QString& title) = 0;
    // Ends the program: the window disappears and no further event reaches a handler. The caller
    // returns straight after.
    virtual void end() = 0;
};
