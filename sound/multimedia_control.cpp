#include "multimedia_control.h"

#include "sound_files.h"
#include "sound_log.h"
#include "wave_file.h"

#include <QSet>

namespace {

// Each failure is worth one warning, not one per click.
void warnOnce(const QString& message)
{
    static QSet<QString> warned;
    if (!warned.contains(message)) {
        warned.insert(message);
        qCWarning(lcSound).noquote() << message;
    }
}

} // namespace

MediaControl::Status MultimediaControl::setProperty(int dispatchId, const QString& value)
{
    switch (dispatchId) {
    case FileName:
        m_fileName = value;
        return Success;
    case Command:
        return carryOut(value);
    default:
        return UnknownProperty;
    }
}

MediaControl::Status MultimediaControl::carryOut(const QString& command)
{
    const QString name = command.trimmed().toLower();
    if (name == QLatin1String("open"))
        return open();
    if (name == QLatin1String("sound")) {
        if (m_openPath.isEmpty())
            return NothingOpen;
        m_output.play();
        return Success;
    }
    if (name == QLatin1String("stop")) {
        m_output.stop();
        return Success;
    }
    if (name == QLatin1String("close")) {
        close();
        return Success;
    }
    warnOnce(QStringLiteral("unknown multimedia command \"%1\"").arg(command));
    return UnknownCommand;
}

MediaControl::Status MultimediaControl::open()
{
    close();
    const QString path = findSoundFile(m_fileName);
    QString error;
    switch (path.isEmpty() ? WaveCheck::NotFound : checkWaveFile(path, &error)) {
    case WaveCheck::Playable:
        break;
    case WaveCheck::NotFound:
        warnOnce(QStringLiteral("wave file \"%1\" not found in %2")
                     .arg(m_fileName, soundFolders().join(QStringLiteral(", "))));
        return FileNotFound;
    case WaveCheck::NotReadable:
        warnOnce(QStringLiteral("wave file \"%1\" cannot be read: %2").arg(path, error));
        return CannotRead;
    case WaveCheck::NotAWave:
        warnOnce(QStringLiteral("\"%1\" is not a playable wave file").arg(path));
        return CannotDecode;
    case WaveCheck::TooLarge:
        warnOnce(QStringLiteral("wave file \"%1\" is too large for a chime (over %2 MiB)")
                     .arg(path).arg(largestChime / (1024 * 1024)));
        return TooLarge;
    }
    qCDebug(lcSound).noquote() << "wave file" << m_fileName << "found at" << path;
    m_output.open(path);
    m_openPath = path;
    return Success;
}

void MultimediaControl::close()
{
    m_output.close();
    m_openPath.clear();
}
