#pragma once

#include "controls/placement.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

// Small pieces shared by Pegora's dialogs: a fixed-size dialog with the
// board's small font, centred on the screen when it opens.
namespace codebreaking::formkit {

inline void setUpDialog(QDialog *dialog, const char *name, const QString &caption, int width, int height)
{
    dialog->setObjectName(QLatin1String(name));
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog->setModal(true);
    dialog->setFixedSize(width, height);
    QFont f = dialog->font();
    f.setPixelSize(11);
    dialog->setFont(f);
}

using ::centreOnScreen;

inline QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &r,
                     Qt::Alignment align = Qt::AlignLeft)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(r);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

inline QPushButton *button(QWidget *parent, const char *name, const QString &text, const QRect &r)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(r);
    return b;
}

} // namespace codebreaking::formkit
