#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QTextBrowser;

namespace platform {

// Opens the program's help file at a topic keyword.
class Help {
public:
    virtual ~Help() = default;
    virtual void setHelpFile(const QString &fileName) = 0;
    virtual void showTopic(const QString &topic) = 0;
};

// The bundled HTML page that stands for a help file: ":/help/<base>_<lang>.html"
// in the player's language when there is one, else ":/help/<base>.html", the
// base name matched ignoring case. Empty when there is none.
QString helpPagePath(const QString &helpFile);
QString helpPagePath(const QString &helpFile, const QString &language);

// True when the page has an anchor (name or id) for the topic.
bool pageHasTopic(const QString &html, const QString &topic);

// A window of the program's own that shows one help page.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);
    // Shows the page of the help file at the topic, or says what is missing.
    void open(const QString &helpFile, const QString &topic);
    QString notice() const;
    QTextBrowser *browser() const { return m_browser; }

private:
    // At most its usual size, within the screen and in its middle.
    void fitOnScreen();

    QTextBrowser *m_browser;
    QLabel *m_notice;
};

class QtHelp final : public Help {
public:
    ~QtHelp() override;
    void setHelpFile(const QString &fileName) override { m_file = fileName; }
    void showTopic(const QString &topic) override;
    HelpWindow *window() const { return m_window; }

private:
    QString m_file;
    HelpWindow *m_window = nullptr;
};

} // namespace platform
