#include "controls/formkit.h"

#include "controls/formscale.h"
#include "controls/gamewindow.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QValidator>

#include <algorithm>
#include <cmath>

namespace formkit {

QFont font(int pixels, bool bold)
{
    QFont f = QApplication::font();
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    return f;
}

namespace {

// Opens a dialog at the zoom of the game it belongs to, and scales it with
// its window from there: a maximise or a drag of its corner is one more
// zoom, never a window the desktop and the dialog disagree about.
class DialogScale final : public QObject {
public:
    explicit DialogScale(QDialog *dialog) : QObject(dialog), m_dialog(dialog) { dialog->installEventFilter(this); }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !static_cast<QShowEvent *>(event)->spontaneous()) {
            if (!m_scale.captured()) {
                m_scale.capture(m_dialog);
                m_dialog->setMinimumSize(m_scale.formSize());
                m_dialog->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            }
            const qreal zoom = TGameWindow::zoomOf(m_dialog->parentWidget());
            m_dialog->resize(m_scale.formSize() * zoom);
            fit();
        } else if (event->type() == QEvent::Resize && m_scale.captured()) {
            fit();
        }
        return false;
    }

private:
    void fit()
    {
        const qreal zoom = std::clamp(m_scale.fitting(m_dialog->size()), 1.0, TGameWindow::MaxZoom);
        if (std::abs(zoom - m_scale.zoom()) > 1e-9)
            m_scale.apply(zoom);
    }

    QDialog *m_dialog;
    TFormScale m_scale;
};

} // namespace

void scaleWithGame(QDialog *dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
    new DialogScale(dialog);
}

void setUpDialog(QDialog *dialog, const QString &objectName, const QString &caption, int width, int height)
{
    dialog->setObjectName(objectName);
    scaleWithGame(dialog);
    dialog->setWindowTitle(caption);
    dialog->setFont(font());
    dialog->setFixedSize(width, height);
    dialog->setModal(true);
}

void centreOnScreen(QWidget *window, QSize size)
{
    QScreen *screen = window->screen();
    if (!screen && window->parentWidget())
        screen = window->parentWidget()->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame is known once the window has been shown; until then its
    // client size is the best guess.
    const QSize frame = (size.isValid() ? size : window->size()) + (window->frameGeometry().size() - window->size());
    window->move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
}

void centreAcross(QLabel *label, int width)
{
    label->adjustSize();
    label->move((width - label->width()) / 2, label->y());
}

void setTextColor(QWidget *widget, TColor color)
{
    platform::followColourScheme(widget, [widget, c = toQColor(color)] {
        QPalette pal = widget->palette();
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
            pal.setColor(g, QPalette::WindowText, readableOn(c, pal.color(g, QPalette::Window)));
            pal.setColor(g, QPalette::Text, readableOn(c, pal.color(g, QPalette::Base)));
            pal.setColor(g, QPalette::ButtonText, readableOn(c, pal.color(g, QPalette::Button)));
        }
        if (pal != widget->palette())
            widget->setPalette(pal);
    });
}

QLabel *label(QWidget *parent, const QString &text, const QRect &geometry, Qt::Alignment align)
{
    auto *l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(geometry);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

QLabel *rightAlignedLabel(QWidget *parent, int right, int top, int width, int height)
{
    return label(parent, QString(), QRect(right - width, top, width, height), Qt::AlignRight);
}

QFrame *frame(QWidget *parent, int style, const QRect &geometry)
{
    auto *f = new QFrame(parent);
    f->setFrameStyle(style);
    f->setGeometry(geometry);
    f->lower();
    return f;
}

QPushButton *button(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *b = new QPushButton(text, parent);
    b->setGeometry(geometry);
    return b;
}

namespace {

// Turns every line break (a CR LF pair counts as one) into a space.
class OneLine final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        static const QString breaks = QStringLiteral("\r\n\u0085\u2028\u2029");
        for (qsizetype i = 0; i < input.size(); ++i) {
            if (!breaks.contains(input[i]))
                continue;
            if (input[i] == u'\r' && i + 1 < input.size() && input[i + 1] == u'\n') {
                input.remove(i + 1, 1);
                if (pos > i + 1)
                    --pos;
            }
            input[i] = u' ';
        }
        return Acceptable;
    }
};

} // namespace

QLineEdit *lineField(QWidget *parent, const QRect &geometry, int maxLength)
{
    auto *edit = new QLineEdit(parent);
    edit->setGeometry(geometry);
    edit->setMaxLength(maxLength);
    edit->setValidator(new OneLine(edit));
    return edit;
}

void Dialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        centreOnScreen(this);
        FormActivate();
    }
}

} // namespace formkit
