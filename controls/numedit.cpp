#include "controls/numedit.h"

#include "controls/formatfloat.h"
#include "platform/messages.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

TNumEdit::TNumEdit(QWidget *parent, platform::Messages *messages) : QLineEdit(parent), m_messages(messages)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_autoSelect = true;
    m_autoSize = false;
    SetDecimalDigits(0);
    SetDisplayFormat(QStringLiteral(",0"));
    resize(width(), 21);
    SetMaxValue(1e99L);
    SetMinValue(-1e99L);
    SetRangeErrorMsg(QString());
    SetValue(0);
    resize(121, 21);
    connect(this, &QLineEdit::textChanged, this, &TNumEdit::Change);
    ShowFormatted();
}

void TNumEdit::beep()
{
    if (m_messages)
        m_messages->beep();
    else
        QApplication::beep();
}

void TNumEdit::SetDecimalDigits(quint8 digits)
{
    if (digits > 9)
        digits = 9;
    if (digits == m_decimalDigits)
        return;
    m_decimalDigits = digits;
    SetDisplayFormat(digits == 0 ? QStringLiteral(",0")
                                 : QStringLiteral(",0.") + QString(int(digits), QLatin1Char('0')));
    ShowFormatted();
}

void TNumEdit::SetDisplayFormat(const QString &format)
{
    if (format == m_displayFormat)
        return;
    m_displayFormat = format;
    ShowFormatted();
}

void TNumEdit::SetValue(long double v)
{
    if (v == m_value)
        return;
    m_value = v;
    ShowFormatted();
    if (m_entered)
        ShowEditText();
}

QString TNumEdit::ParseText()
{
    const QString current = text();
    const QChar sep = controls::DecimalSeparator();
    QString numeric;
    if (current.contains(QLatin1Char('-')) || current.contains(QLatin1Char('(')))
        numeric = QStringLiteral("-");
    for (const QChar c : current)
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == sep)
            numeric += c;
    const qsizetype at = numeric.indexOf(sep);
    if (at >= 0 && numeric.size() - at - 1 > m_decimalDigits)
        numeric.truncate(m_decimalDigits == 0 ? at : at + 1 + m_decimalDigits);
    if (numeric.isEmpty())
        numeric = QStringLiteral("0");
    if (const auto v = controls::StrToFloat(numeric, sep))
        m_value = *v;
    else
        beep();
    return numeric;
}

void TNumEdit::ShowEditText()
{
    const QString numeric = ParseText();
    const QString shown = m_value != 0 ? numeric : QString();
    if (shown != text())
        setText(shown);
}

void TNumEdit::ShowFormatted()
{
    const QString shown = controls::FormatFloat(m_displayFormat, m_value);
    if (shown != text())
        setText(shown);
}

void TNumEdit::Change()
{
    ParseText();
    emit OnChange();
}

QChar TNumEdit::filterKey(QChar key)
{
    const QChar sep = controls::DecimalSeparator();
    auto dropSelection = [this] {
        if (hasSelectedText())
            del(); // leaves the caret where the selection began
    };
    if (key == QLatin1Char('-')) {
        dropSelection();
        if (text().contains(QLatin1Char('-')) || cursorPosition() != 0)
            return QChar::Null;
        return key;
    }
    if (key >= QLatin1Char('0') && key <= QLatin1Char('9')) {
        dropSelection();
        const QString t = text();
        const qsizetype p = t.indexOf(sep) + 1; // 1-based, 0 when absent
        if (p > 0 && cursorPosition() >= p && t.size() - p >= m_decimalDigits)
            return QChar::Null;
        if (cursorPosition() == 0 && t.startsWith(QLatin1Char('-')))
            return QChar::Null;
        return key;
    }
    if (key == QLatin1Char('.') || key == QLatin1Char(',')) {
        dropSelection();
        if (text().contains(sep) || m_decimalDigits == 0)
            return QChar::Null;
        return sep;
    }
    if (key == QChar(8))
        return key;
    return QChar::Null;
}

void TNumEdit::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    // Return and Escape belong to the window (its default and cancel buttons).
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    // Backspace passes the filter unchanged; Delete types no character.
    if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
        if (key == Qt::Key_Backspace)
            emit OnKeyPress(QChar(8));
        QLineEdit::keyPressEvent(event);
        return;
    }
    QString typed = event->text();
    if (typed.isEmpty() && (event->modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        typed = QChar(key - Qt::Key_A + 1); // the control character of Ctrl+letter
    if (typed.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (isReadOnly()) {
        event->accept(); // nothing is typed into a display
        return;
    }
    for (const QChar c : typed) {
        const QChar accepted = filterKey(c);
        emit OnKeyPress(accepted);
        if (accepted.isNull())
            continue;
        if (typed.size() == 1 && accepted == c) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        insert(QString(accepted));
    }
    event->accept();
}

void TNumEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // Coming back from a context menu or another window is no new entry.
    if (m_entered)
        return;
    m_entered = true;
    ShowEditText();
    if (m_autoSelect)
        selectAll();
    emit OnEnter();
}

void TNumEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (!m_entered)
        return;
    m_entered = false;
    ShowEditText();
    ShowFormatted();
    emit OnExit();
}
