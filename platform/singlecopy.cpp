#include "platform/singlecopy.h"

#include "platform/settingsdir.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QWidget>

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

} // namespace

SingleCopy::SingleCopy(const QString &game)
{
    const QString folder = settingsDirectory();
    if (folder.isEmpty() || !QFileInfo(folder).isWritable())
        return; // nothing is kept, so nothing can be undone by a second copy
    const QString name = serverName(game, folder);
    m_lock = std::make_unique<QLockFile>(QDir(folder).filePath(game + QStringLiteral(".lock")));
    // Only an owner that is gone makes the lock stale, however long it is held.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        listen(name);
        // Saved and closing: a copy started now is a new run of its own.
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
            delete m_server;
            m_server = nullptr;
            m_lock.reset();
        });
        return;
    }
    if (m_lock->error() == QLockFile::LockFailedError)
        m_otherCameForward = askToComeForward(name);
    m_lock.reset();
}

SingleCopy::~SingleCopy() = default;

void SingleCopy::listen(const QString &name)
{
    // The lock is ours, so a listening point left behind is a dead copy's.
    QLocalServer::removeServer(name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name))
        return; // later copies then start as if this one were hung
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->canReadLine())
                    return;
                if (socket->readLine(64) == Request) {
                    comeForward();
                    socket->write(Answer);
                    socket->flush();
                }
                socket->disconnectFromServer();
            });
        }
    });
}

bool SingleCopy::askToComeForward(const QString &name)
{
    // A first copy started a moment ago may not listen yet.
    const QDeadlineTimer deadline(AnswerWaitMs);
    QLocalSocket socket;
    while (true) {
        socket.connectToServer(name);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    socket.write(Request);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    while (!socket.canReadLine())
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    return socket.readLine(64) == Answer;
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
