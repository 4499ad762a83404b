#pragma once

#include "controls/placement.h"
#include "controls/tcolor.h"

#include <QDialog>
#include <QFont>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace kubolo {

// The look the records dialogs share: the sans-serif font at a pixel size,
// a fixed border, and opening in the middle of the screen.
QFont dialogFont(int pixels = 11, bool bold = false);
void setupDialog(QDialog *dialog, const QString &caption, int clientWidth, int clientHeight);
using ::centreOnScreen;
// The colour of enabled text (labels, edits, buttons); disabled text keeps
// the desktop's grey.
void setTextColor(QWidget *widget, TColor color);

// A raised panel or a lowered frame, drawn behind the controls placed on it.
QFrame *raisedPanel(QWidget *parent, int left, int top, int width, int height);
QFrame *loweredFrame(QWidget *parent, int left, int top, int width, int height);

// A label whose right edge stays at x whatever its text.
QLabel *rightAlignedLabel(QWidget *parent, int right, int top, int width, int height = 13);
QPushButton *dialogButton(QWidget *parent, const QString &caption, int left, int top);

// A records dialog: each time it is shown anew (not merely brought back) it
// opens in the middle of the screen and takes its figures (FormActivate).
class RecordsDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;
    virtual void FormActivate() {}

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace kubolo
