// Starting the toolkit with the program's one window.
#pragma once

// Creates the application and the window, shows it and runs the event loop; returns the exit code.
// Without a graphical display it says so in one sentence and returns 1.
int startToolkit(int argc, char* argv[]);
