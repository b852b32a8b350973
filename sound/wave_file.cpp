#include "wave_file.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr int kMaxChunks = 64; // a real header has a handful; don't wander through a broken file

bool isPlayableFormat(const QByteArray& format)
{
    const auto tag = qFromLittleEndian<quint16>(format.constData());
    const auto channels = qFromLittleEndian<quint16>(format.constData() + 2);
    const auto rate = qFromLittleEndian<quint32>(format.constData() + 4);
    const auto bits = qFromLittleEndian<quint16>(format.constData() + 14);
    return channels >= 1 && channels <= 8 && rate >= 1000 && rate <= 384000 &&
           ((tag == kPcm && (bits == 8 || bits == 16 || bits == 32)) || (tag == kFloat && bits == 32));
}

} // namespace

WaveCheck checkWaveFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!QFileInfo(path).isFile())
        return WaveCheck::NotFound;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return WaveCheck::NotReadable;
    }
    if (file.size() > largestChime)
        return WaveCheck::TooLarge;
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return WaveCheck::NotAWave;

    bool formatOk = false;
    for (int i = 0; i < kMaxChunks; ++i) {
        const QByteArray header = file.read(8);
        if (header.size() != 8)
            return WaveCheck::NotAWave;
        const qint64 size = qFromLittleEndian<quint32>(header.constData() + 4);
        const qint64 end = file.pos() + size + (size & 1); // chunks are padded to an even size
        if (file.pos() + size > file.size())
            return WaveCheck::NotAWave;
        if (header.startsWith("data"))
            return formatOk && size > 0 ? WaveCheck::Playable : WaveCheck::NotAWave;
        if (header.startsWith("fmt "))
            formatOk = size >= 16 && isPlayableFormat(file.read(16));
        if (!file.seek(end))
            return WaveCheck::NotAWave;
    }
    return WaveCheck::NotAWave;
}
