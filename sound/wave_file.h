// A quick, bounded check that a file is a wave file QSoundEffect can play: RIFF/WAVE with PCM samples.
#pragma once

#include <QString>

enum class WaveCheck { Playable, NotFound, NotReadable, NotAWave, TooLarge };

// QSoundEffect holds a whole chime in memory; a longer file is no chime. 16 MiB is a minute and a
// half of CD-quality stereo, and a hundred times the program's own chimes.
inline constexpr qint64 largestChime = 16 * 1024 * 1024;

// Playable when the file is at most largestChime bytes and starts with a RIFF/WAVE header whose
// format chunk is 8-, 16- or 32-bit integer PCM (or 32-bit float), followed by a data chunk, every
// chunk within the file. Reads only the headers, a few dozen bytes, whatever sizes the file declares.
// The reason a file cannot be read lands in error when given.
WaveCheck checkWaveFile(const QString& path, QString* error = nullptr);
