#include "sound_files.h"

#include "sound_log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList soundFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    // COLLATZ_DATA_FROM_BIN is the installed data folder relative to the installed executable.
    return {programFolder, QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(COLLATZ_DATA_FROM_BIN)),
            QDir::currentPath()};
}

QString findSoundFile(const QString& fileName)
{
    if (fileName.isEmpty())
        return {};
    if (QFileInfo(fileName).isAbsolute())
        return QFileInfo(fileName).isFile() ? fileName : QString();
    for (const QString& folder : soundFolders()) {
        const QFileInfo candidate(QDir(folder), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

void reportSoundFiles(const QStringList& fileNames)
{
    if (!lcSound().isDebugEnabled())
        return;
    for (const QString& name : fileNames) {
        const QString path = findSoundFile(name);
        if (path.isEmpty())
            qCDebug(lcSound).noquote() << "wave file" << name << "not found in" << soundFolders().join(QStringLiteral(", "));
        else
            qCDebug(lcSound).noquote() << "wave file" << name << "found at" << path;
    }
}
