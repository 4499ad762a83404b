#pragma once

#include "controls/tcolor.h"

#include <QDialog>
#include <QFont>
#include <QRect>
#include <QSize>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// What the games' forms share: the sans-serif font at a pixel size, fixed
// dialogs that open in the middle of the screen, plain labels, frames,
// buttons and text colours.
namespace formkit {

// The application's sans-serif font at that pixel size, every other
// attribute plain, so nothing of a bold main window leaks in.
QFont font(int pixels = 11, bool bold = false);

// A modal dialog of a client size of its own (times its game's zoom) with a
// title and a close box, in the dialogs' small font.
void setUpDialog(QDialog *dialog, const QString &objectName, const QString &caption, int width, int height);

// A dialog with a title and a close box that opens at the zoom of its game
// and, resized or maximised, scales as a whole with its window.
void scaleWithGame(QDialog *dialog);

// Places a window in the middle of the screen it is on (or its owner's, or
// the main screen), by its frame when it has one; size stands in for the
// window's own before it has been laid out.
void centreOnScreen(QWidget *window, QSize size = {});

// Sizes the label to its text and centres it across a width, the halves
// rounded down.
void centreAcross(QLabel *label, int width);

// The colour of enabled text (labels, edits, buttons), made readable on a
// dark face by readableOn; disabled text keeps the desktop's grey.
void setTextColor(QWidget *widget, TColor color);

// A label of plain text.
QLabel *label(QWidget *parent, const QString &text, const QRect &geometry, Qt::Alignment align = Qt::AlignLeft);
// A label whose right edge stays at x whatever its text.
QLabel *rightAlignedLabel(QWidget *parent, int right, int top, int width, int height = 13);

// A frame (QFrame shape and shadow) drawn behind the controls placed on it.
QFrame *frame(QWidget *parent, int style, const QRect &geometry);
QPushButton *button(QWidget *parent, const QString &text, const QRect &geometry);
// A field for a name or words of wisdom: one line, at most maxLength
// characters. Line breaks typed or pasted become spaces as they come in,
// so the table and the file show what the field showed.
QLineEdit *lineField(QWidget *parent, const QRect &geometry, int maxLength);

// A dialog that, each time it is shown anew (not merely brought back),
// opens in the middle of the screen and takes its figures (FormActivate).
class Dialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;
    virtual void FormActivate() {}

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace formkit
