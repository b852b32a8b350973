// The window's multimedia control: opens a wave file and plays it with Qt Multimedia.
// Commands, case-insensitive: "Open" (the current FileName), "Sound" (play from the start),
// "Stop" and "Close". Nothing here blocks: the sound is loaded and played in the background.
#pragma once

#include "media_control.h"

#include <QObject>

#include <memory>

class QSoundEffect;

class MultimediaControl : public QObject, public MediaControl {
    Q_OBJECT
public:
    explicit MultimediaControl(QObject* parent = nullptr);
    ~MultimediaControl() override;

    Status setProperty(int dispatchId, const QString& value) override;

    QString fileName() const { return m_fileName; }
    bool isOpen() const { return m_effect != nullptr; }
    // The path of the open file, empty when nothing is open.
    QString openPath() const { return m_openPath; }
    bool isPlaying() const;

private:
    Status carryOut(const QString& command);
    Status open();
    Status sound();
    void stop();
    void close();

    QString m_fileName;
    QString m_openPath;
    std::unique_ptr<QSoundEffect> m_effect;
};
