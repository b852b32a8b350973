// The multimedia control over Qt Multimedia: its commands, and which wave files it opens.
#include "multimedia_control.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

// A wave file with 8 bytes of samples, and an extra chunk before its format chunk.
QByteArray wave(quint16 format, quint16 bits, const QByteArray& extraChunk = {})
{
    QByteArray bytes = QByteArray("RIFF\0\0\0\0WAVE", 12) + extraChunk + QByteArray("fmt \x10\0\0\0", 8);
    const auto le = [&bytes](quint32 value, int size) {
        value = qToLittleEndian(value);
        bytes += QByteArray(reinterpret_cast<const char*>(&value), size);
    };
    le(format, 2), le(1, 2), le(44100, 4), le(44100 * bits / 8, 4), le(bits / 8, 2), le(bits, 2);
    return bytes + QByteArray("data\x08\0\0\0", 8) + QByteArray(8, '\0');
}

} // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    void carriesOutItsCommands()
    {
        MultimediaControl control;
        const auto command = [&control](const char* name) { return control.setProperty(MediaControl::Command, name); };
        QCOMPARE(command("Stop"), MediaControl::Success); // nothing open yet
        QCOMPARE(command("Close"), MediaControl::Success);
        QCOMPARE(command("Sound"), MediaControl::NothingOpen);
        QCOMPARE(control.setProperty(MediaControl::FileName, "pinpon.wav"), MediaControl::Success);
        QCOMPARE(command("open"), MediaControl::Success);
        QCOMPARE(control.openPath(), QCoreApplication::applicationDirPath() + "/pinpon.wav");
        QCOMPARE(command("SOUND"), MediaControl::Success);
        QCOMPARE(command("Stop"), MediaControl::Success);
        QCOMPARE(command("Close"), MediaControl::Success);
        QCOMPARE(control.openPath(), "");
        QCOMPARE(command("Eject"), MediaControl::UnknownCommand);
        QCOMPARE(control.setProperty(7, "x"), MediaControl::UnknownProperty);
    }

    void opensOnlyPlayableWaveFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no such file
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("warning");
        const QString notAWave = "is not a playable wave file";
        QTest::newRow("missing") << QByteArray() << int(MediaControl::FileNotFound) << "not found in";
        QTest::newRow("text") << QByteArray("not a wave file") << int(MediaControl::CannotDecode) << notAWave;
        QTest::newRow("truncated header") << wave(1, 16).left(30) << int(MediaControl::CannotDecode) << notAWave;
        QTest::newRow("compressed") << wave(2, 4) << int(MediaControl::CannotDecode) << notAWave;
        QTest::newRow("12-bit") << wave(1, 12) << int(MediaControl::CannotDecode) << notAWave;
        QTest::newRow("no data chunk") << wave(1, 16).left(36) << int(MediaControl::CannotDecode) << notAWave;
        QTest::newRow("format chunk of 4 GiB") << QByteArray("RIFF\xff\xff\xff\xffWAVEfmt \xf0\xff\xff\xff", 20) + QByteArray(4096, 'x')
                                               << int(MediaControl::CannotDecode) << notAWave;
        QTest::newRow("data past the end") << wave(1, 16).replace("data\x08", "data\x09") << int(MediaControl::CannotDecode)
                                           << notAWave;
        QTest::newRow("over 16 MiB") << wave(1, 16) + QByteArray(16 << 20, '\0') << int(MediaControl::TooLarge)
                                     << "too large for a chime";
        QTest::newRow("unreadable") << wave(1, 16) << int(MediaControl::CannotRead) << "cannot be read: Permission denied";
        QTest::newRow("16-bit") << wave(1, 16) << int(MediaControl::Success) << "";
        QTest::newRow("float") << wave(3, 32) << int(MediaControl::Success) << "";
        QTest::newRow("odd chunk first") << wave(1, 16, QByteArray("LIST\x03\0\0\0abc\0", 12)) << int(MediaControl::Success) << "";
    }

    // What was open before is closed either way; a refusal warns, naming the reason.
    void opensOnlyPlayableWaveFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QFETCH(QString, warning);
        QTemporaryDir folder;
        QFile file(folder.filePath("chime.wav"));
        QVERIFY(bytes.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(bytes) && file.flush()));
        if (QTest::currentDataTag() == QLatin1String("unreadable") && (!file.setPermissions({}) || QFileInfo(file).isReadable()))
            QSKIP("this user reads any file");
        MultimediaControl control;
        control.setProperty(MediaControl::FileName, "pinpon.wav");
        control.setProperty(MediaControl::Command, "Open");
        control.setProperty(MediaControl::FileName, file.fileName());
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        QCOMPARE(int(control.setProperty(MediaControl::Command, "Open")), status);
        QCOMPARE(control.openPath(), status == MediaControl::Success ? file.fileName() : QString());
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
