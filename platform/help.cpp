#include "platform/help.h"

#include "platform/readable.h"
#include "platform/language.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace platform {

QString helpPagePath(const QString &helpFile, const QString &language)
{
    const QString base = QFileInfo(helpFile).completeBaseName();
    const QDir dir(QStringLiteral(":/help"));
    const QStringList entries = dir.entryList({QStringLiteral("*.html")}, QDir::Files);
    const auto find = [&](const QString &wanted) -> QString {
        for (const QString &entry : entries)
            if (QFileInfo(entry).completeBaseName().compare(wanted, Qt::CaseInsensitive) == 0)
                return dir.filePath(entry);
        return {};
    };
    if (!language.isEmpty())
        if (QString page = find(base + QLatin1Char('_') + language); !page.isEmpty())
            return page;
    return find(base);
}

QString helpPagePath(const QString &helpFile) { return helpPagePath(helpFile, language()); }

bool pageHasTopic(const QString &html, const QString &topic)
{
    const QRegularExpression anchor(
        QStringLiteral("\\b(name|id)\\s*=\\s*\"%1\"").arg(QRegularExpression::escape(topic)),
        QRegularExpression::CaseInsensitiveOption);
    return anchor.match(html).hasMatch();
}

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)), m_notice(new QLabel(this))
{
    // The program ends when its main window closes, help open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_browser->setOpenExternalLinks(false);
    m_notice->setWordWrap(true);
    m_notice->setMargin(4);
    // The notice in maroon and the links in the desktop's link colour, each
    // lightened on a dark face until it reads.
    followColourScheme(m_notice, [notice = m_notice] {
        QPalette p = notice->palette();
        p.setColor(QPalette::WindowText, readableOn(QColor(0x80, 0, 0), p.color(QPalette::Window)));
        notice->setPalette(p);
    });
    followColourScheme(m_browser, [browser = m_browser] {
        QPalette p = browser->palette();
        for (const auto role : {QPalette::Link, QPalette::LinkVisited})
            p.setColor(role, readableOn(QApplication::palette().color(role), p.color(QPalette::Base)));
        browser->setPalette(p);
    });
    m_notice->hide();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_notice);
    layout->addWidget(m_browser);
    // Read, then put away from the keyboard, as any document window.
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }
}

void HelpWindow::open(const QString &helpFile, const QString &topic)
{
    //: The help window's title; %1 is the game's name.
    setWindowTitle(tr("%1 Help").arg(QApplication::applicationName()));
    const QString path = helpPagePath(helpFile);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        m_browser->clear();
        m_notice->setText(tr("The help file \"%1\" could not be found.").arg(helpFile));
        m_notice->show();
    } else {
        const QString html = QString::fromUtf8(file.readAll());
        m_browser->setSource(QUrl(QStringLiteral("qrc") + path));
        if (pageHasTopic(html, topic)) {
            m_notice->hide();
            m_browser->scrollToAnchor(topic);
        } else {
            //: %1 is a topic's keyword, %2 the help file's name.
            m_notice->setText(tr("The topic \"%1\" is not in the help file \"%2\".").arg(topic, helpFile));
            m_notice->show();
        }
    }
    m_notice->setAccessibleName(m_notice->text());
    if (!isVisible())
        fitOnScreen();
    show();
    raise();
    activateWindow();
}

void HelpWindow::fitOnScreen()
{
    // The screen of the window that asked for help.
    const QWidget *asking = QApplication::activeWindow();
    const QScreen *screen = asking ? asking->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        resize(520, 560);
        return;
    }
    // Frame and title bar are outside the window's own size: leave them room.
    const QRect room = screen->availableGeometry().adjusted(0, 0, -16, -48);
    const QSize size = QSize(520, 560).boundedTo(room.size());
    resize(size);
    move(room.left() + (room.width() - size.width()) / 2, room.top() + (room.height() - size.height()) / 2);
}

QString HelpWindow::notice() const { return m_notice->isHidden() ? QString() : m_notice->text(); }

QtHelp::~QtHelp() { delete m_window; }

void QtHelp::showTopic(const QString &topic)
{
    if (!m_window)
        m_window = new HelpWindow;
    m_window->open(m_file, topic);
}

} // namespace platform
