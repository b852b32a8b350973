// Ends the program when the system ends it, as closing the window does: the window goes, a waiting
// dialog with it, and the program exits with status 0. On Linux and other Unix systems: SIGTERM,
// SIGINT and SIGHUP (a session logging out, Ctrl+C or a closed terminal). On Windows: the end of the
// session (logging off, shutting down).
#pragma once

class MainWindow;

void endWhenTheSystemEnds(MainWindow& window);
