#pragma once

#include <QObject>
#include <QByteArray>
#include <QString>


class QSocketNotifier;
class QWidget;

namespace platform {

// One copy of a game at a time for a user and a settings folder, so that two
// copies never write their own views of the same records over each other.
// The first copy holds a lock beside the settings file and listens; a copy
// started later asks it to come to the front and ends, changing nothing. A
// lock whose owner is gone is taken over, and a first copy that does not
// answer (hung) does not keep a second from starting.
class SingleCopy : public QObject {
    Q_OBJECT
public:
    // Made after the application object, before anything reads the settings.
    explicit SingleCopy(const QString &game);
    ~SingleCopy() override;

    // True when another copy runs and was asked to come to the front: this
    // one then ends at once.
    bool otherCopyCameForward() const { return m_otherCameForward; }

    // The window brought to the front when a later copy starts.
    void setWindow(QWidget *window) { m_window = window; }

private:
    void listen(const QString &name);
    void stopListening();
    void unlock();
    bool askToComeForward(const QString &name);
    void comeForward();

    int m_lock = -1; // the open lock file, held
    QByteArray m_lockPath;
    // A local socket of the system's own: Qt's would bring its whole network
    // library, and what it needs, into every start.
    int m_listening = -1;
    QString m_socketPath;
    QSocketNotifier *m_server = nullptr;
    QWidget *m_window = nullptr;
    bool m_otherCameForward = false;
};

} // namespace platform
