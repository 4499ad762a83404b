#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class TAnimated;

namespace platform {
struct Platform;
}

namespace codebreaking {

// The peg dropping into its hole, as the welcome and About boxes show it:
// still on its third picture until set running.
TAnimated *pegDrop(QWidget *parent, QPoint at, const QString &caption);

// The greeting of a new player: three sentences of rules, a peg dropping into
// its hole, a check box that decides whether the greeting comes back at every
// start, "More..." for the rules in the help file, and OK.
//
// The box keeps nothing of its own. The check box shows the program's welcome
// flag each time the box opens; only OK writes it back, so closing the box by
// its frame (or Escape) leaves the flag as it was.
//
// Made once by the board, with the board as parent, and shown through
// Messages::exec. With a parent the box holds up only the board, so the help
// window that "More..." opens can be read while the box stays open.
class TWelcomeBox : public QDialog {
    Q_OBJECT
public:
    TWelcomeBox(platform::Platform &platform, bool &welcomeFlag, QWidget *parent = nullptr);

    static constexpr int ClientWidth = 259;
    static constexpr int ClientHeight = 282;

    // Handlers.
    void FormActivate(); // each showing: the check box takes the flag
    void Button1Click(); // OK: the flag takes the check box; closes
    void Button2Click(); // More...: the rules in the help file; stays open

    TAnimated *Animated1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *Button2 = nullptr; // More...
    QPushButton *Button1 = nullptr; // OK

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void arrange();

    platform::Platform &m_platform;
    bool &m_welcomeFlag;
};

} // namespace codebreaking
