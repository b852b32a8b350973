// The window's debug channel ("collatz.window"); enable with QT_LOGGING_RULES="collatz.*.debug=true".
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcWindow)
