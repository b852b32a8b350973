// The window's multimedia control: opens a wave file and plays it with Qt Multimedia.
// Commands, case-insensitive: "Open" (the current FileName), "Sound" (play from the start),
// "Stop" and "Close". The file is checked here, at once; the sound itself is loaded and played on
// a sound thread, so no command ever waits on the sound system.
#pragma once

#include "chime_output.h"
#include "media_control.h"

class MultimediaControl : public MediaControl {
public:
    Status setProperty(int dispatchId, const QString& value) override;

    QString fileName() const { return m_fileName; }
    // The path of the open file, empty when nothing is open.
    QString openPath() const { return m_openPath; }
    bool isPlaying() const { return m_output.isPlaying(); }

private:
    Status carryOut(const QString& command);
    Status open();
    void close();

    QString m_fileName;
    QString m_openPath;
    ChimeOutput m_output;
};
