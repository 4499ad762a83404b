#include "platform/help.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace platform {

QString helpPagePath(const QString &helpFile)
{
    const QString base = QFileInfo(helpFile).completeBaseName();
    const QDir dir(QStringLiteral(":/help"));
    for (const QString &entry : dir.entryList({QStringLiteral("*.html")}, QDir::Files))
        if (QFileInfo(entry).completeBaseName().compare(base, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return {};
}

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
    resize(520, 560);
    m_browser->setOpenExternalLinks(false);
    m_notice->setWordWrap(true);
    m_notice->setStyleSheet(QStringLiteral("QLabel { color: #800000; padding: 4px; }"));
    m_notice->hide();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_notice);
    layout->addWidget(m_browser);
}

void HelpWindow::open(const QString &helpFile, const QString &topic)
{
    setWindowTitle(QApplication::applicationName() + QStringLiteral(" Help"));
    const QString path = helpPagePath(helpFile);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        m_browser->clear();
        m_notice->setText(QStringLiteral("The help file \"%1\" could not be found.").arg(helpFile));
        m_notice->show();
    } else {
        const QString html = QString::fromUtf8(file.readAll());
        m_browser->setSource(QUrl(QStringLiteral("qrc") + path));
        if (pageHasTopic(html, topic)) {
            m_notice->hide();
            m_browser->scrollToAnchor(topic);
        } else {
            m_notice->setText(QStringLiteral("The topic \"%1\" is not in the help file \"%2\".").arg(topic, helpFile));
            m_notice->show();
        }
    }
    m_notice->setAccessibleName(m_notice->text());
    show();
    raise();
    activateWindow();
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
