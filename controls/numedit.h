#pragma once

#include <QLineEdit>

namespace platform {
class Messages;
}

// A one-line field holding a number. Unfocused it shows the number in its
// display format; focused it shows the bare number and lets only a
// well-formed number be typed. Every change of the text is parsed back into
// Value before OnChange is raised.
class TNumEdit : public QLineEdit {
    Q_OBJECT
public:
    // messages gives the beep of a text that is no number; without it the
    // application's own beep sounds.
    explicit TNumEdit(QWidget *parent = nullptr, platform::Messages *messages = nullptr);

    // Published properties, in their published order.
    Qt::Alignment Alignment() const { return alignment(); }
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool on) { m_autoSelect = on; }
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on) { m_autoSize = on; }
    quint8 DecimalDigits() const { return m_decimalDigits; }
    void SetDecimalDigits(quint8 digits);
    QString DisplayFormat() const { return m_displayFormat; }
    void SetDisplayFormat(const QString &format);
    long double MaxValue() const { return m_maxValue; }
    void SetMaxValue(long double v) { m_maxValue = v; }
    long double MinValue() const { return m_minValue; }
    void SetMinValue(long double v) { m_minValue = v; }
    QString RangeErrorMsg() const { return m_rangeErrorMsg; }
    void SetRangeErrorMsg(const QString &msg) { m_rangeErrorMsg = msg; }
    long double Value() const { return m_value; }
    void SetValue(long double v);

    // The current text as a plain numeric string; its number goes to Value.
    QString ParseText();
    // The bare number for editing, or nothing when it is 0.
    void ShowEditText();
    // The number in the display format.
    void ShowFormatted();

    // The key filter for one typed character: returns the character to
    // insert, or QChar::Null to refuse it. May delete the selection first.
    QChar filterKey(QChar key);

signals:
    void OnChange();
    // Each typed character after the filter; a refused one comes as QChar::Null.
    void OnKeyPress(QChar key);
    void OnEnter();
    void OnExit();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void Change();
    void beep();

    platform::Messages *m_messages;
    bool m_autoSelect = true;
    bool m_autoSize = false;
    quint8 m_decimalDigits = 0;
    QString m_displayFormat;
    long double m_maxValue = 0;
    long double m_minValue = 0;
    QString m_rangeErrorMsg;
    long double m_value = 0;
    bool m_entered = false; // showing the bare number for editing
};
