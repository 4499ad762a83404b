#include "platform/messages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace platform {

namespace {

QMessageBox::Icon toQt(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Confirmation: return QMessageBox::Question;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QString standardTitle(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QApplication::applicationName();
    case MsgIcon::Confirmation: return QCoreApplication::translate("platform::Messages", "Confirm");
    case MsgIcon::Warning: return QCoreApplication::translate("platform::Messages", "Warning");
    case MsgIcon::Error: return QCoreApplication::translate("platform::Messages", "Error");
    }
    return {};
}

// A closed window's memory goes back to the system at once rather than stay
// with the game as free heap: the question before a hint's tables would
// otherwise count on top of them.
void returnFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

// The buttons speak the games' languages themselves: Qt's own words come
// only with a package the player may not have.
const struct {
    MsgButton ours;
    QMessageBox::StandardButton qt;
    const char *caption;
} buttonMap[] = {{Ok, QMessageBox::Ok, QT_TRANSLATE_NOOP("platform::Messages", "&OK")},
                 {Yes, QMessageBox::Yes, QT_TRANSLATE_NOOP("platform::Messages", "&Yes")},
                 {No, QMessageBox::No, QT_TRANSLATE_NOOP("platform::Messages", "&No")},
                 {Cancel, QMessageBox::Cancel, QT_TRANSLATE_NOOP("platform::Messages", "&Cancel")}};

void addButton(QMessageBox &box, QMessageBox::StandardButton qt)
{
    for (const auto &m : buttonMap)
        if (m.qt == qt)
            box.addButton(qt)->setText(QCoreApplication::translate("platform::Messages", m.caption));
}

int ask(QWidget *parent, MsgIcon icon, const QString &text, int buttons, const QString &title)
{
    QMessageBox box(toQt(icon), title.isEmpty() ? standardTitle(icon) : title, text, QMessageBox::NoButton, parent);
    for (const auto &m : buttonMap)
        if (buttons & m.ours)
            addButton(box, m.qt);
    if (buttons == NoButton)
        addButton(box, QMessageBox::Ok);
    return box.exec();
}

} // namespace

MsgButton QtMessages::show(QWidget *parent, MsgIcon icon, const QString &text, int buttons, const QString &title)
{
    const int pressed = ask(parent, icon, text, buttons, title);
    returnFreedMemory();
    for (const auto &m : buttonMap)
        if (pressed == m.qt)
            return m.ours;
    // Closed by the frame: the answer that does nothing.
    if (buttons & No)
        return No;
    if (buttons & Cancel)
        return Cancel;
    return Ok;
}

int QtMessages::exec(QDialog &dialog)
{
    const int result = dialog.exec();
    returnFreedMemory();
    return result;
}

void QtMessages::beep() { QApplication::beep(); }

} // namespace platform
