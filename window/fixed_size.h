// Keeps a fixed-size window out of the maximised and full-screen states, and at its size.
//
// Where Qt draws the title bar itself (Wayland), its maximise button is always there, and Qt asks
// the compositor for the state at once. Once the compositor grants it, the window must take the
// size it is given, or the compositor ends the connection and the program with it. So the window
// lets its size go while the request travels, takes the state it is granted, asks straight back
// for the normal state, and keeps its size again once it has it.
#pragma once

class QWidget;

// Creates the window's native window, so that this is in place before it is first shown.
void keepAtFixedSize(QWidget* window);
