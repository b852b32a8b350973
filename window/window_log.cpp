#include "window_log.h"

Q_LOGGING_CATEGORY(lcWindow, "collatz.window", QtWarningMsg)
