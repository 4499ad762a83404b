#include "platform/singlecopy.h"

#include "platform/settingsdir.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QSocketNotifier>
#include <QThread>
#include <QWidget>

#include <cerrno>
#include <cstring>
#include <memory>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr char Request[] = "come forward\n";
constexpr char Answer[] = "here\n";
constexpr int AnswerWaitMs = 5000; // a copy that takes longer counts as hung

// The listening point of the copy that owns a settings folder: one per user,
// game and folder, so copies run with other folders (tests) never meet.
QString serverName(const QString &game, const QString &folder)
{
    QString runtime = QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
    if (!QDir::isAbsolutePath(runtime) || !QFileInfo(runtime).isDir())
        runtime = QDir::tempPath();
    const QByteArray key = QFile::encodeName(folder) + '\n' + QByteArray::number(::getuid());
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16);
    return runtime + QStringLiteral("/%1-%2").arg(game.toLower(), QString::fromLatin1(hash));
}

// The address of a listening point; false when its path is too long for one.
bool addressOf(const QString &name, sockaddr_un &address)
{
    const QByteArray path = QFile::encodeName(name);
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return true;
}

int milliseconds(const QDeadlineTimer &deadline) { return int(qMax<qint64>(0, deadline.remainingTime())); }

// Waits for fd to be ready for `events` until the deadline.
bool ready(int fd, short events, const QDeadlineTimer &deadline)
{
    pollfd p{fd, events, 0};
    for (;;) {
        const int n = ::poll(&p, 1, milliseconds(deadline));
        if (n > 0)
            return !(p.revents & (POLLERR | POLLNVAL)) && (p.revents & (events | POLLHUP));
        if (n == 0 || errno != EINTR)
            return false;
    }
}

} // namespace

SingleCopy::SingleCopy(const QString &game)
{
    const QString folder = settingsDirectory();
    if (folder.isEmpty() || !QFileInfo(folder).isWritable())
        return; // nothing is kept, so nothing can be undone by a second copy
    const QString name = serverName(game, folder);
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(game + QStringLiteral(".lock")));
    bool held = false;
    // The system's lock on an open file: it goes with its owner however that
    // ends, so a lock is never stale, and taking it writes nothing to disk.
    // A file removed by a closing owner between our open and our lock is
    // opened again.
    for (int attempt = 0; attempt < 3 && m_lock < 0 && !held; ++attempt) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0)
            return; // no lock can be kept here: this copy runs on its own
        struct stat opened, named;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
            held = errno == EWOULDBLOCK;
        else if (::fstat(fd, &opened) == 0 && ::stat(path.constData(), &named) == 0 && opened.st_ino == named.st_ino &&
                 opened.st_dev == named.st_dev) {
            m_lock = fd;
            m_lockPath = path;
            break;
        }
        ::close(fd);
    }
    if (m_lock >= 0) {
        listen(name);
        // Saved and closing: a copy started now is a new run of its own.
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
            stopListening();
            unlock();
        });
        return;
    }
    if (held)
        m_otherCameForward = askToComeForward(name);
}

SingleCopy::~SingleCopy()
{
    stopListening();
    unlock();
}

void SingleCopy::unlock()
{
    if (m_lock < 0)
        return;
    // Removed while still held, so no copy ever takes a file on its way out.
    ::unlink(m_lockPath.constData());
    ::close(m_lock);
    m_lock = -1;
}

void SingleCopy::stopListening()
{
    delete m_server;
    m_server = nullptr;
    if (m_listening >= 0) {
        ::close(m_listening);
        ::unlink(QFile::encodeName(m_socketPath).constData());
        m_listening = -1;
    }
}

void SingleCopy::listen(const QString &name)
{
    // The lock is ours, so a listening point left behind is a dead copy's.
    sockaddr_un address;
    if (!addressOf(name, address))
        return; // later copies then start as if this one were hung
    ::unlink(address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return;
    // Only this user may knock.
    const mode_t mask = ::umask(077);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(fd, 8) != 0) {
        ::close(fd);
        return;
    }
    m_listening = fd;
    m_socketPath = name;
    m_server = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
    connect(m_server, &QSocketNotifier::activated, this, [this] {
        for (;;) {
            const int client = ::accept4(m_listening, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (client < 0)
                return;
            // Each knock is read as it comes: the board never waits on a copy
            // that connects and says nothing.
            auto *reader = new QSocketNotifier(qintptr(client), QSocketNotifier::Read, this);
            auto line = std::make_shared<QByteArray>();
            connect(reader, &QSocketNotifier::activated, reader, [this, reader, client, line] {
                char buffer[64];
                const ssize_t n = ::read(client, buffer, sizeof buffer);
                if (n < 0 && (errno == EAGAIN || errno == EINTR))
                    return;
                if (n > 0)
                    line->append(buffer, qsizetype(n));
                const bool complete = line->contains('\n');
                if (n > 0 && !complete && line->size() < 64)
                    return;
                if (complete && line->left(line->indexOf('\n') + 1) == Request) {
                    comeForward();
                    [[maybe_unused]] const ssize_t written = ::send(client, Answer, sizeof Answer - 1, MSG_NOSIGNAL);
                }
                reader->setEnabled(false);
                ::close(client);
                reader->deleteLater();
            });
        }
    });
}

bool SingleCopy::askToComeForward(const QString &name)
{
    sockaddr_un address;
    if (!addressOf(name, address))
        return false;
    // A first copy started a moment ago may not listen yet.
    const QDeadlineTimer deadline(AnswerWaitMs);
    int fd = -1;
    while (true) {
        fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return false;
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
            break;
        ::close(fd);
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    // A copy that does not read, or does not answer, in time counts as hung.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    bool answered = false;
    const QByteArray request(Request);
    qsizetype sent = 0;
    while (sent < request.size() && ready(fd, POLLOUT, deadline)) {
        const ssize_t n = ::send(fd, request.constData() + sent, std::size_t(request.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
        sent += n > 0 ? n : 0;
    }
    QByteArray reply;
    while (sent == request.size() && !reply.contains('\n') && reply.size() < 64 && ready(fd, POLLIN, deadline)) {
        char buffer[64];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR))
            break;
        if (n > 0)
            reply.append(buffer, qsizetype(n));
    }
    answered = reply == Answer;
    ::close(fd);
    return answered;
}

void SingleCopy::comeForward()
{
    if (m_window) {
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
    }
    // A question or dialog open over the board (or before it, as a greeting)
    // stays in front of it.
    if (QWidget *modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

} // namespace platform
