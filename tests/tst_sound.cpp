// The multimedia control over Qt Multimedia: which wave files it opens, and why it refuses the others;
// and the sound thread's passing over of chimes it reaches late.
#include "chime_output.h"
#include "multimedia_control.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A mono wave file of 8 zero bytes in the given format, with a chunk before its format chunk.
QByteArray wave(char format = 1, char bits = 16, const QByteArray& before = {})
{
    return QByteArray("RIFF\0\0\0\0WAVE", 12) + before + QByteArray("fmt \x10\0\0\0", 8) + format +
           QByteArray("\0\1\0\x44\xac\0\0\x88\x58\1\0\2\0", 13) + bits + QByteArray("\0data\x08\0\0\0", 9) +
           QByteArray(8, '\0');
}

} // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    // What was open before is closed either way; a refusal warns once, naming the reason.
    void opensOnlyPlayableWaveFiles()
    {
        using enum MediaControl::Property;
        using enum MediaControl::Status;
        const QString notAWave = "is not a playable wave file";
        const struct { QByteArray bytes; int status; QString warning; } rows[] = {
            {{}, FileNotFound, "not found in"}, // no such file
            {wave().left(30), CannotDecode, notAWave},
            {wave(2, 4), CannotDecode, notAWave}, // compressed
            {wave(1, 12), CannotDecode, notAWave},
            {wave().replace(QByteArray("\x10\0\0\0", 4), "\xf0\xff\xff\xff"), CannotDecode, notAWave}, // 4 GiB format chunk
            {wave().replace("data\x08", "data\x09"), CannotDecode, notAWave}, // data past the end
            {wave() + QByteArray(16 << 20, '\0'), TooLarge, "too large"},
            {wave(), CannotRead, "cannot be read: Permission denied"}, // made unreadable below
            {wave(), Success, ""},
            {wave(3, 32), Success, ""},
            {wave(1, 16, QByteArray("LIST\x03\0\0\0abc\0", 12)), Success, ""}, // odd-sized chunk first
        };
        for (const auto& row : rows) {
            QTemporaryDir folder;
            QFile file(folder.filePath("chime.wav"));
            QVERIFY(row.bytes.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(row.bytes) && file.flush()));
            if (row.status == CannotRead && (!file.setPermissions({}) || QFileInfo(file).isReadable())) {
                qInfo("not checked: this user reads any file");
                continue;
            }
            MultimediaControl control;
            control.setProperty(FileName, "pinpon.wav");
            control.setProperty(Command, "Open");
            control.setProperty(FileName, file.fileName());
            if (!row.warning.isEmpty())
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(row.warning));
            QCOMPARE(int(control.setProperty(Command, "Open")), row.status);
            QCOMPARE(control.openPath(), row.status == Success ? file.fileName() : QString());
        }
    }

    // A chime that the sound thread reaches over half a second after its call, held up as by a
    // stalled sound server, is neither loaded nor played; the next one is loaded.
    void passesOverALateChime()
    {
        ChimeOutput output;
        QObject onSoundThread;
        onSoundThread.moveToThread(output.thread());
        QMetaObject::invokeMethod(&onSoundThread, [] { QThread::msleep(700); });
        QTest::ignoreMessage(QtWarningMsg, "a chime was passed over: the sound system did not answer within 500 ms");
        output.open("chime.wav");
        output.play();
        QMetaObject::invokeMethod(&onSoundThread, [] {}, Qt::BlockingQueuedConnection);
        QVERIFY(!output.isLoaded());
        QVERIFY(!output.isPlaying());
        output.open("chime.wav");
        QTRY_VERIFY(output.isLoaded());
    }
};

// Ends as the program does: after the last test, the teardown that exit() runs now and then hangs
// the process under Wine, inside the C++ runtime's DLL detach, where Qt Multimedia has left threads.
int main(int argc, char* argv[])
{
    int status = 0;
    {
        QApplication application(argc, argv);
        TestSound test;
        status = QTest::qExec(&test, argc, argv);
    }
    ChimeOutput::endProcess(status);
}
#include "tst_sound.moc"
