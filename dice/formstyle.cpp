#include "dice/formstyle.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace kubolo {

QFont dialogFont(int pixels, bool bold)
{
    QFont f = QApplication::font();
    f.setPixelSize(pixels);
    // Every attribute set, so nothing of the main window's bold font leaks in.
    f.setBold(bold);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    return f;
}

void setupDialog(QDialog *dialog, const QString &caption, int clientWidth, int clientHeight)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog->setWindowTitle(caption);
    dialog->setFont(dialogFont());
    dialog->setFixedSize(clientWidth, clientHeight);
    dialog->setModal(true);
}

void setTextColor(QWidget *widget, TColor color)
{
    QPalette pal = widget->palette();
    const QColor c = toQColor(color);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(g, QPalette::WindowText, c);
        pal.setColor(g, QPalette::Text, c);
        pal.setColor(g, QPalette::ButtonText, c);
    }
    widget->setPalette(pal);
}

namespace {

QFrame *frame(QWidget *parent, int style, int left, int top, int width, int height)
{
    auto *f = new QFrame(parent);
    f->setFrameStyle(style);
    f->setGeometry(left, top, width, height);
    f->lower();
    return f;
}

} // namespace

QFrame *raisedPanel(QWidget *parent, int left, int top, int width, int height)
{
    return frame(parent, QFrame::Panel | QFrame::Raised, left, top, width, height);
}

QFrame *loweredFrame(QWidget *parent, int left, int top, int width, int height)
{
    return frame(parent, QFrame::Box | QFrame::Sunken, left, top, width, height);
}

QLabel *rightAlignedLabel(QWidget *parent, int right, int top, int width, int height)
{
    auto *l = new QLabel(parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setGeometry(right - width, top, width, height);
    return l;
}

QPushButton *dialogButton(QWidget *parent, const QString &caption, int left, int top)
{
    auto *b = new QPushButton(caption, parent);
    b->setGeometry(left, top, 75, 25);
    return b;
}

void RecordsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        centreOnScreen(this);
        FormActivate();
    }
}

} // namespace kubolo
