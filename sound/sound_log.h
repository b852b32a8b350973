// The sound layer's debug channel ("collatz.sound"); enable with QT_LOGGING_RULES="collatz.*.debug=true".
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcSound)
