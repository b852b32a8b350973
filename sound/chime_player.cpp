#include "chime_player.h"

#include "media_control.h"

void playChime(MediaControl& control, const QString& fileName)
{
    control.setProperty(MediaControl::Command, QStringLiteral("Stop"));
    control.setProperty(MediaControl::Command, QStringLiteral("Close"));
    control.setProperty(MediaControl::FileName, fileName);
    control.setProperty(MediaControl::Command, QStringLiteral("Open"));
    control.setProperty(MediaControl::Command, QStringLiteral("Sound"));
}
