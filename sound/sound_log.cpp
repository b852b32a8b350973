#include "sound_log.h"

Q_LOGGING_CATEGORY(lcSound, "collatz.sound", QtWarningMsg)
