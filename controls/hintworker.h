#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

// Works out a hint on a thread of its own and hands the answer back on the
// interface thread. One piece of work at a time: a new one, or the window
// going, cancels the one under way, which stops at its next look at the flag.
// Nothing ever waits for more than that.
class THintWorker : public QObject {
public:
    using Cancelled = std::atomic<bool>;

    explicit THintWorker(QObject *parent = nullptr) : QObject(parent) {}
    ~THintWorker() override { cancel(); }

    // work(cancelled) runs on the thread and may give up early once
    // cancelled is set; done(result) follows here unless it was cancelled.
    template <class T>
    void start(std::function<T(const Cancelled &)> work, std::function<void(T)> done)
    {
        cancel();
        auto cancelled = std::make_shared<Cancelled>(false);
        m_cancelled = cancelled;
        m_thread.reset(QThread::create([this, cancelled, work = std::move(work), done = std::move(done)] {
            T result = work(*cancelled);
            if (*cancelled)
                return;
            QMetaObject::invokeMethod(
                this,
                [cancelled, done, result = std::move(result)] {
                    if (!*cancelled)
                        done(result);
                },
                Qt::QueuedConnection);
        }));
        m_thread->start(QThread::LowPriority);
    }

    bool busy() const { return m_thread && m_thread->isRunning(); }

    // Stops the work under way (done is not called) and waits for its
    // thread to notice.
    void cancel()
    {
        if (m_cancelled)
            *m_cancelled = true;
        if (m_thread)
            m_thread->wait();
        m_thread.reset();
        m_cancelled.reset();
    }

private:
    std::unique_ptr<QThread> m_thread;
    std::shared_ptr<Cancelled> m_cancelled;
};
