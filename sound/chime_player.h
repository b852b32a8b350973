// Plays a chime from a wave file through the window's multimedia control.
#pragma once

#include <QString>

class MediaControl;

// Stops and closes what the control has open, then opens fileName and plays it. Reads no status:
// a chime that cannot play is passed over.
void playChime(MediaControl& control, const QString& fileName);
