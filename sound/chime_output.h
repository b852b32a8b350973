// Plays wave files with Qt Multimedia on a sound thread of its own, so that a sound server that
// stalls or goes away never blocks the window. Every call returns at once; the sound thread carries
// the calls out in order.
#pragma once

#include <QString>

#include <functional>
#include <memory>

class QObject;
class QThread;

class ChimeOutput {
public:
    ChimeOutput();
    // Gives the sound thread a moment to stop; one held up in the sound system is left behind.
    ~ChimeOutput();

    // Loads the file, closing the one before. A load or a play that the sound thread reaches late,
    // held up by the sound system, is passed over with one warning: a chime long after its click
    // would only confuse.
    void open(const QString& path);
    void play();
    void stop();
    void close();

    bool isPlaying() const;
    // True from the moment the sound thread hands the open file to the sound system until it is closed.
    bool isLoaded() const;
    // The sound thread, where a test can hold the calls up as a stalled sound system does.
    QThread* thread() const { return m_thread; }

    // Ends the process with the status, once every ChimeOutput is gone, without the teardown that
    // exit() runs. Qt Multimedia's own teardown at exit races the sound system's threads (it aborts
    // inside libpulse now and then on PipeWire, and always when a sound thread was left behind);
    // the program keeps nothing that needs it.
    [[noreturn]] static void endProcess(int status);

    struct State; // what the sound thread owns

private:
    // Runs the task on the sound thread; late tells it the sound thread reached it late.
    void post(std::function<void(State& state, bool late)> task);

    QThread* m_thread;
    QObject* m_context; // lives on the sound thread
    std::shared_ptr<State> m_state;
};
