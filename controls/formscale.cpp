#include "controls/formscale.h"

#include "controls/devicepixels.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

void setFontSize(QFont &font, qreal size, bool pixels)
{
    if (pixels)
        font.setPixelSize(std::max(1, int(std::lround(size))));
    else if (size > 0)
        font.setPointSizeF(size);
}

int edge(int at, qreal zoom) { return int(std::lround(at * zoom)); }

// Whether a label's plain text surely fits across it: the text's whole
// advance within the label's margins, a pixel to spare. That lays the text
// out once, where the label's own size hint does it three times over.
bool surelyFits(const QLabel *label)
{
    const QString text = label->text();
    if (label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
        return false;
    const QFontMetrics metrics = label->fontMetrics();
    const QMargins margins = label->contentsMargins();
    int indent = label->indent();
    if (indent < 0)
        indent = label->frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const int room = label->width() - margins.left() - margins.right() - 2 * label->margin() - indent - 1;
    return metrics.horizontalAdvance(text) <= room;
}

// Text drawn at a larger size is not always exactly as much wider as the
// zoom says: a label or check box that would cut its text grows towards its
// free side instead.
void makeRoomForText(QWidget *widget)
{
    int need = 0;
    Qt::Alignment align = Qt::AlignLeft;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->wordWrap() || label->text().isEmpty() || !label->pixmap().isNull() || surelyFits(label))
            return;
        need = label->sizeHint().width();
        align = label->alignment();
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        need = button->sizeHint().width();
    } else {
        return;
    }
    const int more = need - widget->width();
    if (more <= 0)
        return;
    QRect r = widget->geometry();
    if (align & Qt::AlignRight)
        r.setLeft(r.left() - more);
    else if (align & Qt::AlignHCenter)
        r.adjust(-more / 2, 0, more - more / 2, 0);
    else
        r.setRight(r.right() + more);
    widget->setGeometry(r);
}

} // namespace

namespace {

// A table or any other scroll area lays out its own insides (viewport,
// headers, scroll bars) for the size it is given.
bool insideScrollArea(const QWidget *w, const QWidget *root)
{
    for (const QWidget *p = w->parentWidget(); p && p != root; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea *>(p))
            return true;
    return false;
}

} // namespace

void TFormScale::capture(QWidget *root)
{
    m_root = root;
    m_formSize = root->size();
    m_rootFont = root->font();
    m_zoom = 1;
    m_controls.clear();
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (w->isWindow() || insideScrollArea(w, root))
            continue;
        // A control sized once by its maker is sized by the form from now on.
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        Control c = controlOf(w, 1);
        c.rect = w->geometry();
        m_controls.push_back(c);
        devicepixels::setDesignedSize(w, c.rect.size());
    }
    for (const Control &c : m_controls)
        makeRoomForText(c.widget);
}

void TFormScale::apply(qreal zoom)
{
    if (!m_root)
        return;
    m_zoom = zoom;
    QFont font = m_rootFont;
    const bool pixels = font.pixelSize() > 0;
    setFontSize(font, (pixels ? font.pixelSize() : font.pointSizeF()) * zoom, pixels);
    m_root->setFont(font);
    for (const Control &c : m_controls)
        applyTo(c);
    for (const Control &c : m_controls)
        if (c.widget)
            makeRoomForText(c.widget);
}

void TFormScale::applyTo(const Control &c) const
{
    if (!c.widget)
        return;
    if (c.ownFont) {
        QFont font = c.widget->font();
        setFontSize(font, c.fontSize * m_zoom, c.pixelSized);
        if (font != c.widget->font())
            c.widget->setFont(font);
    }
    c.widget->setGeometry(scaled(c.rect));
    // The style draws a check box's box at one size: it is told the zoomed one.
    if (auto *box = qobject_cast<QCheckBox *>(c.widget.data())) {
        const int side = scaled(13);
        box->setStyleSheet(m_zoom > 1 ? QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }").arg(side)
                                      : QString());
    }
}

qreal TFormScale::fitting(QSize room) const
{
    return std::min(qreal(room.width()) / m_formSize.width(), qreal(room.height()) / m_formSize.height());
}

int TFormScale::scaled(int length) const { return edge(length, m_zoom); }

QRect TFormScale::scaled(const QRect &r) const
{
    const int left = edge(r.left(), m_zoom), top = edge(r.top(), m_zoom);
    return {left, top, edge(r.left() + r.width(), m_zoom) - left, edge(r.top() + r.height(), m_zoom) - top};
}

TFormScale::Control TFormScale::controlOf(QWidget *widget, qreal zoom) const
{
    Control c;
    c.widget = widget;
    // A control whose kind has a font of its own (a desktop theme may give
    // one to buttons, say) takes little from the form's, and a check box,
    // styled for its zoomed box, takes its font from the application: each
    // is sized itself, as one given its own font is.
    c.ownFont = widget->testAttribute(Qt::WA_SetFont) || qobject_cast<QCheckBox *>(widget) ||
                !QApplication::font(widget).isCopyOf(QApplication::font());
    const QFont font = widget->font();
    c.pixelSized = font.pixelSize() > 0;
    c.fontSize = (c.pixelSized ? font.pixelSize() : font.pointSizeF()) / zoom;
    return c;
}

TFormScale::Control *TFormScale::find(QWidget *widget)
{
    const auto it = std::find_if(m_controls.begin(), m_controls.end(),
                                 [widget](const Control &c) { return c.widget == widget; });
    if (it != m_controls.end())
        return &*it;
    // Made after the form was taken: its font is already at this zoom.
    m_controls.push_back(controlOf(widget, m_zoom));
    return &m_controls.back();
}

void TFormScale::refit(QWidget *widget)
{
    if (!m_root)
        return;
    Control *c = find(widget);
    const QRect r = widget->geometry();
    const auto unscale = [this](int at) { return int(std::lround(at / m_zoom)); };
    c->rect = QRect(QPoint(unscale(r.left()), unscale(r.top())),
                    QPoint(unscale(r.left() + r.width()) - 1, unscale(r.top() + r.height()) - 1));
}
