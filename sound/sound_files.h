// Where the program finds its wave files from their bare names.
#pragma once

#include <QString>
#include <QStringList>

// The folders searched, in order: beside the executable, the installed data folder (found from the
// executable's place, so any install prefix works), then the working directory.
QStringList soundFolders();

// The full path of the first file of that name in those folders, or an empty string.
QString findSoundFile(const QString& fileName);

// Says on the debug channel where each of the files is found, or that it is not.
void reportSoundFiles(const QStringList& fileNames);
