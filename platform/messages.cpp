#include "platform/messages.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

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
    case MsgIcon::Confirmation: return QStringLiteral("Confirm");
    case MsgIcon::Warning: return QStringLiteral("Warning");
    case MsgIcon::Error: return QStringLiteral("Error");
    }
    return {};
}

} // namespace

MsgButton QtMessages::show(QWidget *parent, MsgIcon icon, const QString &text, int buttons, const QString &title)
{
    QMessageBox box(toQt(icon), title.isEmpty() ? standardTitle(icon) : title, text, QMessageBox::NoButton, parent);
    const struct {
        MsgButton ours;
        QMessageBox::StandardButton qt;
    } map[] = {{Ok, QMessageBox::Ok}, {Yes, QMessageBox::Yes}, {No, QMessageBox::No}, {Cancel, QMessageBox::Cancel}};
    for (const auto &m : map)
        if (buttons & m.ours)
            box.addButton(m.qt);
    if (buttons == NoButton)
        box.addButton(QMessageBox::Ok);
    const int pressed = box.exec();
    for (const auto &m : map)
        if (pressed == m.qt)
            return m.ours;
    // Closed by the frame: the answer that does nothing.
    if (buttons & No)
        return No;
    if (buttons & Cancel)
        return Cancel;
    return Ok;
}

int QtMessages::exec(QDialog &dialog) { return dialog.exec(); }

void QtMessages::beep() { QApplication::beep(); }

} // namespace platform
