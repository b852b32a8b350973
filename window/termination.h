// Ends the program cleanly on SIGTERM and SIGINT (a session logging out, Ctrl+C in a terminal),
// as if the user had quit: the window goes and the program exits with status 0.
#pragma once

class MainWindow;

void endOnTerminationSignals(MainWindow& window);
