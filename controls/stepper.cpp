#include "controls/stepper.h"

Stepper::Stepper(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Stepper::advance);
}

void Stepper::start(std::vector<Step> steps, std::function<void()> finished)
{
    cancel();
    ++m_generation;
    m_steps = std::move(steps);
    m_finished = std::move(finished);
    m_next = 0;
    m_running = true;
    advance();
}

void Stepper::advance()
{
    const unsigned generation = m_generation;
    while (m_running && m_next < m_steps.size()) {
        // Copied out: the action may start a new sequence on this stepper.
        const Step step = m_steps[m_next++];
        if (step.action)
            step.action();
        if (!m_running || generation != m_generation)
            return; // cancelled, or replaced by a sequence of its own
        if (step.pauseMs > 0) {
            m_timer.start(step.pauseMs);
            return;
        }
    }
    if (!m_running)
        return;
    m_running = false;
    m_steps.clear();
    auto finished = std::move(m_finished);
    m_finished = nullptr;
    if (finished)
        finished();
}

void Stepper::finishNow()
{
    if (!m_running)
        return;
    m_timer.stop();
    for (Step &step : m_steps)
        step.pauseMs = 0;
    advance();
}

void Stepper::cancel()
{
    m_timer.stop();
    m_running = false;
    m_steps.clear();
    m_finished = nullptr;
}
