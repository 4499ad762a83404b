#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <vector>

// A paced sequence on the interface thread: each step changes what is shown,
// then stays on screen for its pause before the next step runs; a finished
// callback follows the last. Nothing blocks: painting, moving and closing go
// on between steps. Steps whose pause is zero run at once, one after the
// other, so an unpaced sequence completes inside start().
class Stepper : public QObject {
    Q_OBJECT
public:
    struct Step {
        std::function<void()> action;
        int pauseMs = 0; // how long the step's result stays before the next
    };

    explicit Stepper(QObject *parent = nullptr);

    // Replaces any sequence under way (its finished callback is not called).
    void start(std::vector<Step> steps, std::function<void()> finished = {});
    bool running() const { return m_running; }
    // Runs what is left of the sequence at once, without pauses.
    void finishNow();
    // Drops what is left; the finished callback is not called.
    void cancel();

private:
    void advance();

    QTimer m_timer;
    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    std::function<void()> m_finished;
    bool m_running = false;
    unsigned m_generation = 0;
};
