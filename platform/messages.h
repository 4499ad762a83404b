#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace platform {

enum class MsgIcon { Information, Confirmation, Warning, Error };

// Buttons of a message box; several are or-ed together.
enum MsgButton : int { NoButton = 0, Ok = 1, Yes = 2, No = 4, Cancel = 8 };

// Message boxes and modal display, so that tests can answer them.
class Messages {
public:
    virtual ~Messages() = default;
    // Shows text with an icon and buttons; returns the button pressed.
    virtual MsgButton show(QWidget *parent, MsgIcon icon, const QString &text, int buttons,
                           const QString &title = {}) = 0;
    // Shows a dialog modally and returns its result.
    virtual int exec(QDialog &dialog) = 0;
    // The short warning sound of a refused key.
    virtual void beep() = 0;
};

class QtMessages final : public Messages {
public:
    MsgButton show(QWidget *parent, MsgIcon icon, const QString &text, int buttons, const QString &title) override;
    int exec(QDialog &dialog) override;
    void beep() override;
};

} // namespace platform
