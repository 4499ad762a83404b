#include "controls/urllabel.h"

#include "assets/common/commonart.h"
#include "platform/resources.h"
#include "platform/shell.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPalette>

QString labelTypePrefix(TLabelType type)
{
    switch (type) {
    case hmHTTP: return QStringLiteral("http:\\\\");
    case hmMAIL: return QStringLiteral("mailto:");
    case hmFTP: return QStringLiteral("ftp:\\\\");
    case hmCUSTOM: break;
    }
    return {};
}

QString openerTarget(const QString &target)
{
    const qsizetype colon = target.indexOf(QLatin1Char(':'));
    if (colon < 1 || !target.at(0).isLetter() || target.mid(colon + 1, 2) != QLatin1String("\\\\"))
        return target;
    for (qsizetype i = 1; i < colon; ++i) {
        const QChar c = target.at(i);
        const bool schemeChar = (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('+') ||
                                c == QLatin1Char('-') || c == QLatin1Char('.');
        if (!schemeChar)
            return target;
    }
    QString mended = target;
    mended.replace(colon + 1, 2, QStringLiteral("//"));
    return mended;
}

namespace {

QString linkKind(TLabelType type)
{
    switch (type) {
    case hmHTTP: return TURLLabel::tr("web link");
    case hmMAIL: return TURLLabel::tr("mail link");
    case hmFTP: return TURLLabel::tr("file transfer link");
    case hmCUSTOM: break;
    }
    return TURLLabel::tr("link");
}

// A link to assistive technology, which can also press it.
class URLLabelAccessible : public QAccessibleWidget {
public:
    explicit URLLabelAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::Link) {}

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<TURLLabel *>(widget())->Click();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *urlLabelFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TURLLabel") && object && object->isWidgetType())
        return new URLLabelAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

TURLLabel::TURLLabel(platform::Shell &shell, QWidget *parent) : QLabel(parent), m_shell(shell)
{
    static const bool factoryInstalled = (QAccessible::installFactory(urlLabelFactory), true);
    (void)factoryInstalled;
    // The caption is an address, never markup.
    setTextFormat(Qt::PlainText);
    controls::art::registerPictures();
    setCursor(platform::resources::cursor(QString::fromLatin1(controls::art::HandCursor)));
    setAutoFillBackground(!m_transparent);
    applyFontColor(m_colStd);
    setUnderlined(true);
    updateAccessibleName();
}

void TURLLabel::SetLabelType(TLabelType type)
{
    if (type == m_labelType)
        return;
    m_labelType = type;
    setUnderlined(!(type == hmCUSTOM || m_effect98));
    updateAccessibleName();
    update();
}

void TURLLabel::SetURLColStd(TColor color)
{
    if (color == m_colStd)
        return;
    m_colStd = color;
    applyFontColor(color);
    update();
}

void TURLLabel::SetURLColPre(TColor color)
{
    if (color == m_colPre)
        return;
    m_colPre = color;
    update();
}

void TURLLabel::SetAllowDown(bool allow)
{
    if (allow == m_allowDown)
        return;
    m_allowDown = allow;
    update();
}

void TURLLabel::SetEffect98(bool on)
{
    if (on == m_effect98)
        return;
    m_effect98 = on;
    if (on)
        setUnderlined(false);
    else if (m_labelType != hmCUSTOM)
        setUnderlined(true);
    update();
}

void TURLLabel::SetCaption(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
    fitText();
    updateAccessibleName();
}

void TURLLabel::SetAutoSize(bool on)
{
    if (on == m_autoSize)
        return;
    m_autoSize = on;
    fitText();
}

void TURLLabel::SetTransparent(bool on)
{
    if (on == m_transparent)
        return;
    m_transparent = on;
    setAutoFillBackground(!on);
    update();
}

void TURLLabel::setFontColor(TColor color)
{
    if (color == m_fontColor)
        return;
    applyFontColor(color);
}

void TURLLabel::SetFont(const QFont &font, TColor color)
{
    setFont(font);
    applyFontColor(color);
    m_colStd = color;
    fitText();
}

QString TURLLabel::target() const
{
    if (m_labelType == hmCUSTOM)
        return {};
    return labelTypePrefix(m_labelType) + text();
}

void TURLLabel::OpenTarget(const QString &target) { m_shell.open(openerTarget(target)); }

void TURLLabel::Click()
{
    emit OnClick();
    if (m_labelType != hmCUSTOM)
        OpenTarget(target());
}

void TURLLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseDown(event->button());
    if (event->button() != Qt::LeftButton)
        return;
    m_leftDown = true;
    if (m_allowDown && !m_movedDown) {
        move(x(), y() + 1);
        m_movedDown = true;
    }
    applyFontColor(m_colPre);
}

void TURLLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click looks pressed but opens nothing more.
    mousePressEvent(event);
    m_leftDown = false;
}

void TURLLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool left = event->button() == Qt::LeftButton;
    if (left && m_leftDown) {
        m_leftDown = false;
        // The label sits a pixel lower while pressed; its old top row counts.
        const QRect over = m_movedDown ? rect().adjusted(0, -1, 0, 0) : rect();
        // The click comes first, so the link still looks pressed while it opens.
        if (over.contains(event->position().toPoint()))
            Click();
    }
    emit mouseUp(event->button());
    if (!m_effect98)
        applyFontColor(m_colStd);
    if (left && m_movedDown) {
        move(x(), y() - 1);
        m_movedDown = false;
    }
}

void TURLLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    if (!m_effect98)
        return;
    applyFontColor(m_colPre);
    if (m_labelType != hmCUSTOM)
        setUnderlined(true);
    update();
}

void TURLLabel::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    if (!m_effect98)
        return;
    applyFontColor(m_colStd);
    if (m_labelType != hmCUSTOM)
        setUnderlined(false);
    update();
}

void TURLLabel::setUnderlined(bool underline)
{
    // The style is either plain or underlined, nothing else.
    QFont f = font();
    f.setUnderline(underline);
    f.setWeight(QFont::Normal);
    f.setItalic(false);
    f.setStrikeOut(false);
    if (f != font())
        setFont(f);
}

void TURLLabel::applyFontColor(TColor color)
{
    m_fontColor = color;
    platform::followColourScheme(this, [this, ink = toQColor(color)] {
        QPalette p = palette();
        p.setColor(QPalette::WindowText, readableOn(ink, p.color(QPalette::Window)));
        setPalette(p);
    });
}

void TURLLabel::fitText()
{
    if (m_autoSize)
        adjustSize();
}

void TURLLabel::updateAccessibleName()
{
    setAccessibleName(text());
    setAccessibleDescription(linkKind(m_labelType));
}
