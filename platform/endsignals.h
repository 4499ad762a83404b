#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform {

// The ways the desktop ends a program from outside: SIGTERM (a logout, a
// shutdown), SIGHUP (its terminal closed) and SIGINT (Ctrl+C). Each is told
// on the event loop as endRequested, never inside the signal handler, which
// only writes a byte to a pipe the loop watches. One at a time in a process.
class EndSignals : public QObject {
    Q_OBJECT
public:
    explicit EndSignals(QObject *parent = nullptr);
    ~EndSignals() override;

signals:
    void endRequested();

private:
    void drain();

    int m_pipe[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace platform
