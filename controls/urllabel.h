#pragma once

#include "controls/tcolor.h"

#include <QFont>
#include <QLabel>

#include <cstdint>

namespace platform {
class Shell;
}

enum TLabelType : std::uint8_t { hmHTTP = 0, hmMAIL = 1, hmFTP = 2, hmCUSTOM = 3 };

// What a click puts before the caption: "http:\\", "mailto:", "ftp:\\", or
// nothing for hmCUSTOM (which opens nothing).
QString labelTypePrefix(TLabelType type);

// A scheme followed by two back-slashes ("http:\\host") becomes the two
// slashes openers understand ("http://host"); anything else is left alone.
QString openerTarget(const QString &target);

// A label that behaves as a hyperlink: link colour, underlined, a pointing
// hand, another colour while pressed (and, with Effect98, while hovered), and
// a click hands prefix plus caption to the desktop's opener.
class TURLLabel : public QLabel {
    Q_OBJECT
public:
    // Targets go to shell.
    explicit TURLLabel(platform::Shell &shell, QWidget *parent = nullptr);

    TLabelType LabelType() const { return m_labelType; }
    void SetLabelType(TLabelType type);
    TColor URLColStd() const { return m_colStd; }
    void SetURLColStd(TColor color);
    TColor URLColPre() const { return m_colPre; }
    void SetURLColPre(TColor color);
    bool AllowDown() const { return m_allowDown; }
    void SetAllowDown(bool allow);
    bool Effect98() const { return m_effect98; }
    void SetEffect98(bool on);

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on);

    // The label's font: the face and size, its colour, and its style, which
    // is either plain or underlined.
    QFont GetFont() const { return font(); }
    TColor fontColor() const { return m_fontColor; }
    bool fontUnderlined() const { return font().underline(); }
    // Changes the font's colour alone; the rest colour stays.
    void setFontColor(TColor color);
    // Takes the whole font; its colour becomes the rest colour.
    void SetFont(const QFont &font, TColor color);

    // The prefix of the type followed by the caption, or empty for hmCUSTOM.
    QString target() const;
    // Hands the target to the opener, web back-slashes mended. Its answer is
    // not examined: a link that cannot be opened says nothing.
    void OpenTarget(const QString &target);
    // What a left click over the label does.
    void Click();

signals:
    void OnClick();
    void mouseDown(Qt::MouseButton button);
    void mouseUp(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setUnderlined(bool underline);
    void applyFontColor(TColor color);
    void fitText();
    void updateAccessibleName();

    platform::Shell &m_shell;
    TLabelType m_labelType = hmHTTP;
    TColor m_colStd = clBlue;
    TColor m_colPre = clRed;
    TColor m_fontColor = clBlue;
    bool m_allowDown = false;
    bool m_effect98 = false;
    bool m_autoSize = true;
    bool m_transparent = false;
    bool m_leftDown = false;
    bool m_movedDown = false;
};
