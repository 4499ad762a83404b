#include "platform/firstshown.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

class FirstExposure : public QObject {
public:
    FirstExposure(QWidget &window, std::function<void()> then) : QObject(&window), m_then(std::move(then))
    {
        window.winId(); // the native window, to watch for its first exposure
        window.windowHandle()->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            // After this exposure is painted; then this watcher has done its job.
            QTimer::singleShot(0, this, [this] {
                m_then();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

void whenFirstShown(QWidget &window, std::function<void()> then) { new FirstExposure(window, std::move(then)); }

} // namespace platform
