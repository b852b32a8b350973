// Plays one chime through the program's own control layer and waits until it has sounded:
// play_chime <file.wav>. Prints how long playChime blocked its caller; exits 0 when the chime played,
// 3 when it never started.
#include "chime_player.h"
#include "multimedia_control.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: play_chime <file.wav>\n");
        return 2;
    }
    int result = 1;
    {
        MultimediaControl control;
        QElapsedTimer timer;
        timer.start();
        playChime(control, QString::fromLocal8Bit(argv[1]));
        std::printf("playChime returned after %.2f ms\n", double(timer.nsecsElapsed()) / 1e6);
        if (control.openPath().isEmpty())
            return 1;

        // Wait for the sound to start and then to end, at most five seconds.
        bool started = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!started && control.isPlaying())
                std::printf("started after %lld ms\n", timer.elapsed());
            started = started || control.isPlaying();
            if ((started && !control.isPlaying()) || timer.elapsed() > 5000)
                QCoreApplication::exit(started ? 0 : 3);
        });
        poll.start(1);
        result = QCoreApplication::exec();
        std::printf("%s after %lld ms\n", started ? "played" : "never started", timer.elapsed());
    }
    ChimeOutput::endProcess(result);
}
