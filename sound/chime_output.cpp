#include "chime_output.h"

#include "sound_log.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

#include <atomic>

namespace {

// How long after its call a chime may still start.
constexpr qint64 kLatestStartMs = 500;
// How long the program's end waits for the sound thread.
constexpr int kStopWaitMs = 500;

} // namespace

struct ChimeOutput::State {
    std::unique_ptr<QSoundEffect> effect;
    std::atomic<bool> playing{false};
    std::atomic<bool> loaded{false};
    bool warnedLate = false;

    void load(const QString& path)
    {
        effect = std::make_unique<QSoundEffect>();
        QObject::connect(effect.get(), &QSoundEffect::playingChanged, effect.get(),
                         [this, sound = effect.get()] { playing = sound->isPlaying(); });
        effect->setSource(QUrl::fromLocalFile(path)); // loads in the background
        loaded = true;
    }

    void passOver()
    {
        if (!std::exchange(warnedLate, true))
            qCWarning(lcSound).noquote() << "a chime was passed over: the sound system did not answer within"
                                         << kLatestStartMs << "ms";
    }
};

ChimeOutput::ChimeOutput() : m_thread(new QThread), m_context(new QObject), m_state(std::make_shared<State>())
{
    m_thread->setObjectName(QStringLiteral("sound"));
    m_context->moveToThread(m_thread);
    m_thread->start();
}

ChimeOutput::~ChimeOutput()
{
    // The effect goes on the thread that made it; then the thread ends.
    post([](State& state, bool) {
        state.effect.reset();
        QThread::currentThread()->quit();
    });
    if (m_thread->wait(QDeadlineTimer(kStopWaitMs))) {
        delete m_context;
        delete m_thread;
        return;
    }
    qCWarning(lcSound) << "the sound thread is held up in the sound system and is left behind";
}

void ChimeOutput::post(std::function<void(State&, bool)> task)
{
    QElapsedTimer sent;
    sent.start();
    QMetaObject::invokeMethod(
        m_context, [state = m_state, task = std::move(task), sent] { task(*state, sent.elapsed() > kLatestStartMs); },
        Qt::QueuedConnection);
}

void ChimeOutput::open(const QString& path)
{
    post([path](State& state, bool late) { late ? state.passOver() : state.load(path); });
}

void ChimeOutput::play()
{
    post([](State& state, bool late) {
        if (late)
            state.passOver();
        else if (state.effect) {
            state.effect->stop();
            state.effect->play(); // from the start, as soon as the file is loaded
        }
    });
}

void ChimeOutput::stop()
{
    post([](State& state, bool) {
        if (state.effect)
            state.effect->stop();
    });
}

void ChimeOutput::close()
{
    post([](State& state, bool) {
        state.effect.reset();
        state.playing = false;
        state.loaded = false;
    });
}

bool ChimeOutput::isPlaying() const
{
    return m_state->playing;
}

bool ChimeOutput::isLoaded() const
{
    return m_state->loaded;
}

