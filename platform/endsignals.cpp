#include "platform/endsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr int Ending[] = {SIGTERM, SIGHUP, SIGINT};
volatile std::sig_atomic_t writeEnd = -1;

// Only what is safe in a signal handler: one write, errno kept. A full pipe
// already holds a byte the loop will read.
extern "C" void tellLoop(int)
{
    const int saved = errno;
    const char byte = 1;
    if (writeEnd >= 0)
        (void)!::write(writeEnd, &byte, 1);
    errno = saved;
}

} // namespace

EndSignals::EndSignals(QObject *parent) : QObject(parent)
{
    if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // the signals keep their usual effect
    writeEnd = m_pipe[1];
    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EndSignals::drain);
    struct sigaction action = {};
    action.sa_handler = tellLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART; // a save under way is not cut short
    for (int signal : Ending)
        ::sigaction(signal, &action, nullptr);
}

EndSignals::~EndSignals()
{
    if (m_pipe[0] < 0)
        return;
    for (int signal : Ending)
        std::signal(signal, SIG_DFL);
    writeEnd = -1;
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

void EndSignals::drain()
{
    char bytes[16];
    while (::read(m_pipe[0], bytes, sizeof bytes) > 0) {
    }
    emit endRequested();
}

} // namespace platform
