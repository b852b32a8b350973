// The window's speed: the 実　験 command on the longest run against its floor, the start of a chime,
// start-up time and peak memory. Offscreen.
#include "chime_player.h"
#include "collatz.h"
#include "main_window.h"
#include "multimedia_control.h"
#include "sequence_box.h"
#include "toolkit.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>

#include <string>

namespace {

const QString kLongestStart = QStringLiteral("8400511");

// Answers the input dialog with the longest run's start; the chimes go nowhere.
struct AnsweringToolkit : Toolkit {
    QString inputDialog(const QString&, const QString&) override { return kLongestStart; }
    bool questionDialog(const QString&, const QString&) override { return false; }
    void end() override {}
};

struct SilentControl : MediaControl {
    Status setProperty(int, const QString&) override { return Success; }
};

struct ScriptedWindow {
    MainWindow window{std::make_unique<AnsweringToolkit>(), std::make_unique<SilentControl>()};
};

// Makes the box lay out and paint what it shows now.
void repaintBox(MainWindow& window)
{
    QCoreApplication::processEvents();
    window.Text1->viewport()->repaint();
}

// From the accepted input to the box repainted with the final text.
void experimentHandler(benchmark::State& state)
{
    ScriptedWindow w;
    w.window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        w.window.Text1->setPlainText(QString()); // start from an empty box, as after start-up
        repaintBox(w.window);
        QElapsedTimer timer;
        timer.start();
        w.window.Command1->click();
        repaintBox(w.window);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
    double n = 8'400'511;
    std::string expected;
    collatz::runSequence(n, expected, [](const std::string&) {});
    if (w.window.Text1->toPlainText() != QString::fromStdString(expected))
        state.SkipWithError("the box does not show the final text");
}
BENCHMARK(experimentHandler)->UseManualTime()->Unit(benchmark::kMillisecond);

// The floor: the engine's run, then one set and repaint of the final text.
void engineRunAndOneSet(benchmark::State& state)
{
    ScriptedWindow w;
    w.window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        w.window.Text1->setPlainText(QString());
        QElapsedTimer timer;
        timer.start();
        double n = 8'400'511;
        std::string text;
        collatz::runSequence(n, text, [](const std::string&) {});
        w.window.Text1->setPlainText(QString::fromStdString(text));
        w.window.Text1->viewport()->repaint();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(engineRunAndOneSet)->UseManualTime()->Unit(benchmark::kMillisecond);

// What setting the box on every step would cost if the box laid out each text at once.
void setPlainTextEveryStep(benchmark::State& state)
{
    ScriptedWindow w;
    w.window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        double n = 8'400'511;
        std::string text;
        collatz::runSequence(n, text, [&w](const std::string& t) {
            w.window.Text1->setPlainText(QString::fromStdString(t));
        });
    }
}
BENCHMARK(setPlainTextEveryStep)->Unit(benchmark::kMillisecond)->Iterations(3);

// How long a chime keeps the window from its events: from the call to playChime to its return.
void chimeStart(benchmark::State& state)
{
    MultimediaControl control;
    for (auto _ : state)
        playChime(control, QStringLiteral("pinpon.wav"));
    if (control.openPath().isEmpty())
        state.SkipWithError("pinpon.wav did not open");
}
BENCHMARK(chimeStart)->Unit(benchmark::kMillisecond)->Iterations(20);

// Process start to the explanation printed, and the program's peak resident memory then.
void startUp(benchmark::State& state)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/collatz");
    qint64 peakKiB = 0;
    for (auto _ : state) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("collatz.window.debug=true"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        QElapsedTimer timer;
        timer.start();
        process.start(program, {});
        QByteArray output;
        while (!output.contains("explanation printed") && process.waitForReadyRead(5000))
            output += process.readAll();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        QFile status(QStringLiteral("/proc/%1/status").arg(process.processId()));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : status.readAll().split('\n')) {
                if (line.startsWith("VmHWM:"))
                    peakKiB = line.mid(6).trimmed().split(' ').first().toLongLong();
            }
        }
        process.kill();
        process.waitForFinished();
        if (!output.contains("explanation printed"))
            state.SkipWithError("the explanation was not printed");
    }
    state.counters["peak_MiB"] = double(peakKiB) / 1024.0;
}
BENCHMARK(startUp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
