// A quick check that a file is a wave file QSoundEffect can play: RIFF/WAVE with PCM samples.
#pragma once

#include <QString>

// True when the file starts with a RIFF/WAVE header whose format chunk is 8-, 16- or 32-bit integer
// PCM (or 32-bit float) and which has a data chunk. Reads only the headers.
bool isPlayableWaveFile(const QString& path);
