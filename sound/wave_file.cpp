#include "wave_file.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr int kMaxChunks = 64; // a real header has a handful; don't wander through a broken file

} // namespace

bool isPlayableWaveFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return false;

    bool formatOk = false;
    for (int i = 0; i < kMaxChunks; ++i) {
        const QByteArray header = file.read(8);
        if (header.size() != 8)
            return false;
        const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (header.startsWith("fmt ")) {
            if (size < 16)
                return false;
            const QByteArray format = file.read(size);
            if (format.size() != qsizetype(size))
                return false;
            const auto tag = qFromLittleEndian<quint16>(format.constData());
            const auto channels = qFromLittleEndian<quint16>(format.constData() + 2);
            const auto rate = qFromLittleEndian<quint32>(format.constData() + 4);
            const auto bits = qFromLittleEndian<quint16>(format.constData() + 14);
            formatOk = channels >= 1 && channels <= 8 && rate >= 1000 && rate <= 384000 &&
                       ((tag == kPcm && (bits == 8 || bits == 16 || bits == 32)) || (tag == kFloat && bits == 32));
            if (size & 1)
                file.read(1); // chunks are padded to an even size
        } else if (header.startsWith("data")) {
            return formatOk && size > 0 && file.size() > file.pos();
        } else if (!file.seek(file.pos() + size + (size & 1))) {
            return false;
        }
    }
    return false;
}
