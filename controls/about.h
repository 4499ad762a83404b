#pragma once

#include "controls/clicktracker.h"

#include <QDialog>
#include <QFrame>
#include <QString>

class QLabel;
class QPushButton;
class TURLLabel;

namespace platform {
struct Platform;
}

// The project's own credit line and contact addresses, shown by every game.
namespace about {
inline constexpr char16_t CreditLine[] = u"\u00a9 2026 the Table Games team";
inline constexpr char16_t MailAddress[] = u"games@example.org";
inline constexpr char16_t WebAddress[] = u"www.example.org/tablegames";
} // namespace about

// "for Linux / X11": the system the program runs on and, where it says
// something, the window system. The parts are what QSysInfo and
// QGuiApplication::platformName() report; aboutPlatformLine() asks them.
QString aboutPlatformLine(const QString &kernelType, const QString &productType, const QString &windowSystem);
QString aboutPlatformLine();

// A line etched into the dialog along the top edge of its box, each of its
// two lines one pixel of its designed size (devicepixels::designedSize).
class TBevel : public QWidget {
    Q_OBJECT
public:
    explicit TBevel(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// The raised frame that holds a game's picture. A left click anywhere on it,
// its border included, is a Click; with the keyboard focus on it, Space
// activates the picture instead.
class TAboutPanel : public Clickable<QFrame, false> {
    Q_OBJECT
public:
    explicit TAboutPanel(QWidget *parent = nullptr);

signals:
    void Click();
    void keyActivated();

protected:
    void leftClick() override { emit Click(); }
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// The About dialog every game shares: name, platform line, version, date of
// last change, credit line, mail and web links, OK, and a framed picture on
// the left that each game fills in.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(platform::Platform &platform, QWidget *parent = nullptr);

    static constexpr int ClientWidth = 270;
    static constexpr int ClientHeight = 274;

    // Closes the dialog with OK.
    void OKButtonClick();

    QLabel *Label1 = nullptr; // the game's name
    QLabel *Label2 = nullptr; // the platform line
    QLabel *Label5 = nullptr; // version
    QLabel *Label8 = nullptr; // date of last change
    TBevel *Bevel2 = nullptr;
    QLabel *Label3 = nullptr; // credit line
    QLabel *Label6 = nullptr;
    TURLLabel *URLLabel1 = nullptr; // mail
    QLabel *Label7 = nullptr;
    TURLLabel *URLLabel2 = nullptr; // web
    QPushButton *OKButton = nullptr;
    TAboutPanel *Panel1 = nullptr;

    platform::Platform &platformServices() const { return m_platform; }

    void setVisible(bool visible) override;

protected:
    // The games change the texts and widths of their labels and the client
    // width; a text never gets less room than it needs.
    void placeLabel(QLabel *label, int left, int top, int width, int height);
    void setClientWidth(int width);
    // The game's name (its label nameWidth wide), its version and the date
    // of its last change (that label lastChangeWidth wide, if given).
    void describeGame(const QString &name, int nameWidth, const QString &version, const QString &lastChange,
                      int lastChangeWidth = 0);
    void setLabelText(QLabel *label, const QString &text);
    void setLabelWidth(QLabel *label, int width);

    void showEvent(QShowEvent *event) override;

private:
    platform::Platform &m_platform;
};
