#include "multimedia_control.h"

#include "sound_files.h"
#include "sound_log.h"
#include "wave_file.h"

#include <QSet>
#include <QSoundEffect>
#include <QUrl>

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

MultimediaControl::MultimediaControl(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("MMControl1"));
}

MultimediaControl::~MultimediaControl() = default;

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
    if (name == QLatin1String("sound"))
        return sound();
    if (name == QLatin1String("stop")) {
        stop();
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
    if (path.isEmpty()) {
        warnOnce(QStringLiteral("wave file \"%1\" not found in %2")
                     .arg(m_fileName, soundFolders().join(QStringLiteral(", "))));
        return FileNotFound;
    }
    if (!isPlayableWaveFile(path)) {
        warnOnce(QStringLiteral("\"%1\" is not a playable wave file").arg(path));
        return CannotDecode;
    }
    qCDebug(lcSound).noquote() << "wave file" << m_fileName << "found at" << path;
    m_effect = std::make_unique<QSoundEffect>();
    m_effect->setSource(QUrl::fromLocalFile(path)); // loads in the background
    m_openPath = path;
    return Success;
}

MediaControl::Status MultimediaControl::sound()
{
    if (!m_effect)
        return NothingOpen;
    m_effect->stop();
    m_effect->play(); // starts as soon as the file is loaded
    return Success;
}

void MultimediaControl::stop()
{
    if (m_effect)
        m_effect->stop();
}

void MultimediaControl::close()
{
    stop();
    m_effect.reset();
    m_openPath.clear();
}

bool MultimediaControl::isPlaying() const
{
    return m_effect && m_effect->isPlaying();
}
