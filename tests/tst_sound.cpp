// The multimedia control over Qt Multimedia: statuses, failures and the wave file check.
#include "chime_player.h"
#include "multimedia_control.h"
#include "wave_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kGoodChime = QStringLiteral("pinpon.wav"); // generated beside the test programs

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QByteArray wave(quint16 format, quint16 bits, const QByteArray& extraChunk = {})
{
    QByteArray bytes("RIFF\0\0\0\0WAVE", 12);
    bytes += extraChunk;
    bytes += QByteArray("fmt \x10\0\0\0", 8);
    const auto le16 = [&](quint16 v) { bytes += char(v & 0xFF); bytes += char(v >> 8); };
    const auto le32 = [&](quint32 v) { le16(quint16(v & 0xFFFF)); le16(quint16(v >> 16)); };
    le16(format); le16(1); le32(44100); le32(44100 * bits / 8); le16(bits / 8); le16(bits);
    bytes += QByteArray("data\x08\0\0\0", 8);
    bytes += QByteArray(8, '\0');
    return bytes;
}

} // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    void openSoundStopCloseAPlayableFile()
    {
        MultimediaControl control;
        QCOMPARE(control.setProperty(MediaControl::FileName, kGoodChime), MediaControl::Success);
        QCOMPARE(control.fileName(), kGoodChime);
        QCOMPARE(control.setProperty(MediaControl::Command, QStringLiteral("Open")), MediaControl::Success);
        QVERIFY(control.isOpen());
        QCOMPARE(control.openPath(), QCoreApplication::applicationDirPath() + QStringLiteral("/pinpon.wav"));
        QCOMPARE(control.setProperty(MediaControl::Command, QStringLiteral("SOUND")), MediaControl::Success);
        QCOMPARE(control.setProperty(MediaControl::Command, QStringLiteral("stop")), MediaControl::Success);
        QCOMPARE(control.setProperty(MediaControl::Command, QStringLiteral("Close")), MediaControl::Success);
        QVERIFY(!control.isOpen());
    }

    void stopAndCloseWithNothingOpenSucceed()
    {
        MultimediaControl control;
        QCOMPARE(control.setProperty(MediaControl::Command, QStringLiteral("Stop")), MediaControl::Success);
        QCOMPARE(control.setProperty(MediaControl::Command, QStringLiteral("Close")), MediaControl::Success);
        QCOMPARE(control.setProperty(MediaControl::Command, QStringLiteral("Sound")), MediaControl::NothingOpen);
    }

    void failuresGiveErrorStatusesAndLeaveNothingOpen_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::addColumn<int>("status");
        QTest::newRow("missing") << QByteArray() << int(MediaControl::FileNotFound);
        QTest::newRow("one byte") << QByteArray("x") << int(MediaControl::CannotDecode);
        QTest::newRow("text") << QByteArray("this is not a wave file at all") << int(MediaControl::CannotDecode);
        QTest::newRow("truncated header") << wave(1, 16).left(30) << int(MediaControl::CannotDecode);
        QTest::newRow("compressed format") << wave(2, 4) << int(MediaControl::CannotDecode);
        QTest::newRow("no data chunk") << wave(1, 16).left(36) << int(MediaControl::CannotDecode);
    }

    void failuresGiveErrorStatusesAndLeaveNothingOpen()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString path = bytes.isEmpty() ? dir.filePath(QStringLiteral("absent.wav"))
                                             : writeFile(dir, QStringLiteral("broken.wav"), bytes);
        MultimediaControl control;
        // Something open before must not stay open after a failed Open.
        control.setProperty(MediaControl::FileName, kGoodChime);
        control.setProperty(MediaControl::Command, QStringLiteral("Open"));
        control.setProperty(MediaControl::FileName, path);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(int(control.setProperty(MediaControl::Command, QStringLiteral("Open"))), status);
        QVERIFY(timer.elapsed() < 1000);
        QVERIFY(!control.isOpen());
        QCOMPARE(control.setProperty(MediaControl::Command, QStringLiteral("Sound")), MediaControl::NothingOpen);
    }

    void unknownCommandAndPropertyAreErrors()
    {
        MultimediaControl control;
        QCOMPARE(control.setProperty(MediaControl::Command, QStringLiteral("Eject")), MediaControl::UnknownCommand);
        QCOMPARE(control.setProperty(MediaControl::Command, QString()), MediaControl::UnknownCommand);
        QCOMPARE(control.setProperty(7, QStringLiteral("x")), MediaControl::UnknownProperty);
    }

    void waveCheckAcceptsWhatTheDecoderPlays()
    {
        QTemporaryDir dir;
        QVERIFY(isPlayableWaveFile(writeFile(dir, QStringLiteral("a.wav"), wave(1, 16))));
        QVERIFY(isPlayableWaveFile(writeFile(dir, QStringLiteral("b.wav"), wave(3, 32))));
        // An odd-sized chunk before the format is skipped with its padding byte.
        QVERIFY(isPlayableWaveFile(writeFile(dir, QStringLiteral("c.wav"),
                                             wave(1, 16, QByteArray("LIST\x03\0\0\0abc\0", 12)))));
        QVERIFY(!isPlayableWaveFile(writeFile(dir, QStringLiteral("d.wav"), wave(1, 12))));
        QVERIFY(!isPlayableWaveFile(dir.filePath(QStringLiteral("none.wav"))));
        QVERIFY(!isPlayableWaveFile(dir.path())); // a folder
    }

    void aChimeThatCannotPlayIsPassedOverQuickly()
    {
        MultimediaControl control;
        QElapsedTimer timer;
        timer.start();
        playChime(control, QStringLiteral("no-such-chime.wav"));
        QVERIFY(!control.isOpen());
        playChime(control, kGoodChime);
        QVERIFY(control.isOpen());
        QVERIFY(timer.elapsed() < 1000);
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
