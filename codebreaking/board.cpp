#include "codebreaking/mainform.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

// The board as the window shows it: its controls where the form has them,
// each of them drawn from the game, and the keys and clicks that play on it.
namespace codebreaking {

namespace {

constexpr int HoleX[4] = {31, 56, 81, 106};
constexpr int PaletteX[4] = {181, 206, 231, 256};
const char *const LineLetters[LineCount] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
// Line 9's count of placed pegs is named "iin".
const char *const CorrectNames[LineCount] = {"an", "bn", "cn", "dn", "en", "fn", "gn", "hn", "iin", "jn"};

int lineY(int line) { return 24 + 20 * (line - 1); }

// A sunken frame, drawn only: clicks go through it to the board.
QFrame *bevel(QWidget *parent, const QRect &r, QFrame::Shape shape = QFrame::Box)
{
    auto *f = new QFrame(parent);
    f->setFrameShape(shape);
    f->setFrameShadow(QFrame::Sunken);
    f->setGeometry(r);
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    return f;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &r, const QColor &color,
              Qt::Alignment align)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(r);
    l->setAlignment(align | Qt::AlignVCenter);
    platform::followColourScheme(l, [l, color] {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, readableOn(color, pal.color(QPalette::Window)));
        l->setPalette(pal);
    });
    return l;
}

// The frame round the hole that keys fill: drawn as lines, so it stays sharp
// at any scale; clicks and drops go through it.
class HoleFrame : public QWidget {
public:
    explicit HoleFrame(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("holeCursor"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        // Two pixels of the form's own wide, at any zoom.
        const qreal zoom = TGameWindow::zoomOf(this), pen = 2 * zoom;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(readableOn(QColor(0, 0, 128), palette().color(QPalette::Window)), pen));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), 3 * zoom, 3 * zoom);
    }
};


} // namespace

void TMainForm::buildBoard()
{
    m_board = new QWidget(this);
    m_board->setObjectName(QStringLiteral("board"));
    m_board->resize(285, 239);
    m_board->installEventFilter(this);

    bevel(m_board, QRect(0, 0, 285, 2), QFrame::HLine); // under the menu
    bevel(m_board, QRect(3, 17, 167, 211));             // the board
    bevel(m_board, QRect(175, 18, 107, 49));            // the palette
    bevel(m_board, QRect(175, 150, 107, 22));           // the line
    bevel(m_board, QRect(175, 175, 107, 22));           // the clock
    bevel(m_board, QRect(175, 200, 107, 25));           // the code

    for (int line = 1; line <= LineCount; ++line) {
        const int y = lineY(line);
        auto *ab = new TArrowButton(m_board);
        ab->setObjectName(QStringLiteral("Ab%1").arg(line));
        ab->setGeometry(7, 23 + 20 * (line - 1), 18, 18);
        ab->SetDirection(arwRIGHT);
        ab->SetButtonColor(clYellow);
        ab->setAccessibleCaption(tr("Line %1 marker").arg(line));
        m_markers[line - 1] = ab;
        for (int col = 1; col <= 4; ++col) {
            auto *h =
                new TPegShape(m_board, QString::fromLatin1(LineLetters[line - 1]) + QString::number(col), line, col);
            h->move(HoleX[col - 1], y);
            h->setAccessibleCaption(tr("Line %1, column %2").arg(line).arg(col));
            h->setAcceptDrops(true);
            h->onDragOver = [this](TPegShape *target, PegColor color) { return a1DragOver(target, color); };
            h->onDragDrop = [this](TPegShape *target, PegColor color) { d2DragDrop(target, color); };
            h->dragColor = [this, line, col] { return Game.peg(line, col); };
            m_holes[line - 1][col - 1] = h;
        }
        const int ly = 25 + 20 * (line - 1);
        auto *n = label(m_board, QString::fromLatin1(CorrectNames[line - 1]), QStringLiteral("?"),
                        QRect(135, ly, 12, 14), QColor(0, 0, 128), Qt::AlignLeft);
        n->setToolTip(tr("Correctly placed colors"));
        auto *b = label(m_board, QString::fromLatin1(LineLetters[line - 1]) + QLatin1Char('b'), QStringLiteral("?"),
                        QRect(148, ly, 14, 14), QColor(0, 128, 128), Qt::AlignRight);
        b->setToolTip(tr("Uncorrectly placed colors"));
        m_correct[line - 1] = n;
        m_misplaced[line - 1] = b;
    }

    static const char *const paletteNames[PegColorCount] = {"bianco", "rosso",   "giallo", "verde",
                                                            "viola",  "azzurro", "blu",    "nero"};
    for (int i = 0; i < PegColorCount; ++i) {
        auto *p = new TPegShape(m_board, QString::fromLatin1(paletteNames[i]));
        p->move(PaletteX[i % 4], i < 4 ? 24 : 44);
        p->SetPeg(PegColor(i + 1));
        p->dragColor = [i] { return PegColor(i + 1); };
        p->setAccessibleCaption(tr("Palette peg %1").arg(i + 1)); // its key
        m_palette[i] = p;
    }
    bianco = m_palette[0];
    rosso = m_palette[1];
    giallo = m_palette[2];
    verde = m_palette[3];
    viola = m_palette[4];
    azzurro = m_palette[5];
    blu = m_palette[6];
    nero = m_palette[7];

    for (int i = 0; i < 4; ++i) {
        auto *s = new TPegShape(m_board, QStringLiteral("s%1").arg(i + 1));
        s->move(PaletteX[i], 204);
        s->setEnabled(false);
        s->setAccessibleCaption(tr("Secret code peg %1").arg(i + 1));
        m_code[i] = s;
    }
    s1 = m_code[0];
    s2 = m_code[1];
    s3 = m_code[2];
    s4 = m_code[3];

    Button1 = new QPushButton(tr("Check"), m_board);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(190, 80, 77, 27);
    // A click presses a button without taking the keys from the board: Return
    // there checks a full line, and presses a button only the player moved to.
    Button1->setFocusPolicy(Qt::TabFocus);
    connect(Button1, &QPushButton::clicked, this, &TMainForm::Button1Click);
    Button2 = new QPushButton(tr("Repeat"), m_board);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(190, 115, 77, 27);
    Button2->setFocusPolicy(Qt::TabFocus);
    Button2->setToolTip(tr("Repeat the previous line"));
    connect(Button2, &QPushButton::clicked, this, &TMainForm::Button2Click);
    // The board's keys reach the buttons' neighbours too: Left and Right move
    // the hole cursor, Return presses the focused button.
    Button1->installEventFilter(this);
    Button2->installEventFilter(this);
    setTabOrder(Button1, Button2);

    m_cursorFrame = new HoleFrame(m_board);
    m_cursorFrame->raise();

    Label1 = label(m_board, QStringLiteral("Label1"), tr("Line:"), QRect(182, 153, 40, 16),
                   QWidget::palette().color(QPalette::WindowText), Qt::AlignLeft);
    lTurno = label(m_board, QStringLiteral("lTurno"), QStringLiteral("1"), QRect(226, 153, 48, 16), QColor(0, 0, 128),
                   Qt::AlignRight);
    time = label(m_board, QStringLiteral("time"), QStringLiteral("0"), QRect(182, 178, 92, 16), QColor(0, 0, 128),
                 Qt::AlignRight);
    time->setToolTip(tr("Seconds since the game started"));
}

void TMainForm::showBoard()
{
    const bool four = Game.Positions == 4;
    for (int line = 1; line <= LineCount; ++line) {
        for (int column = 1; column <= MaxPositions; ++column)
            showHole(line, column);
        hole(line, 4)->setVisible(four);
        showCounts(line);
    }
    s4->setVisible(four);
    showLineMarks();
    showLine(Game.Line);
    showSeconds(Game.Seconds);
    showCode();
    showControls();
    showHoleCursor();
}

void TMainForm::showHole(int line, int column) { hole(line, column)->SetPeg(Game.peg(line, column)); }

void TMainForm::showCounts(int line)
{
    const std::optional<Score> score = Game.score(line);
    // "?" until the line is checked; read out as words.
    const QString correct = score ? QString::number(score->CorrectCount) : QStringLiteral("?");
    const QString misplaced = score ? QString::number(score->MisplacedCount) : QStringLiteral("?");
    const QString notChecked = tr("not checked");
    m_correct[line - 1]->setText(correct);
    m_misplaced[line - 1]->setText(misplaced);
    m_correct[line - 1]->setAccessibleName(
        tr("Line %1 correctly placed: %2").arg(line).arg(score ? correct : notChecked));
    m_misplaced[line - 1]->setAccessibleName(
        tr("Line %1 incorrectly placed: %2").arg(line).arg(score ? misplaced : notChecked));
}

void TMainForm::showLineMarks()
{
    const bool won = Game.phase() == GamePhase::Won, lost = Game.phase() == GamePhase::Lost;
    for (int line = 1; line <= LineCount; ++line) {
        const QString what = line > Game.Line           ? tr("line to come")
                             : line < Game.Line || lost ? tr("earlier line")
                             : won                      ? tr("won line")
                                                        : tr("current line");
        marker(line)->setAccessibleCaption(tr("Line %1 marker, %2").arg(line).arg(what));
    }
    ClearLineMarks();
    switch (Game.phase()) {
    case GamePhase::Running:
    case GamePhase::GivenUp: // the marks stay as they were
        MarkLine(Game.Line, clBlue);
        break;
    case GamePhase::Won: MarkLine(Game.Line, clRed); break;
    case GamePhase::Lost: break;
    }
}

void TMainForm::showLine(int line)
{
    lTurno->setText(QString::number(line));
    lTurno->setAccessibleName(tr("Line %1").arg(line));
}

void TMainForm::showSeconds(int seconds)
{
    time->setText(QString::number(seconds));
    time->setAccessibleName(tr("%n seconds", nullptr, seconds));
}

void TMainForm::showCode()
{
    for (int i = 0; i < MaxPositions; ++i)
        m_code[i]->SetPeg(Game.running() ? PegColor::None : Game.Secret[i]);
}

void TMainForm::showControls()
{
    Button1->setEnabled(Game.canCheck());
    Button2->setEnabled(Game.canRepeat());
    Secretcode1->setEnabled(Game.running());
    if (!Game.running())
        Timer1->stop();
}

void TMainForm::showSymbols()
{
    for (TPegShape *peg : m_board->findChildren<TPegShape *>())
        peg->SetSymbols(m_session.kept.symbols);
}

void TMainForm::showHoleCursor()
{
    m_cursor = std::clamp(m_cursor, 1, Game.Positions);
    TPegShape *at = hole(Game.Line, m_cursor);
    // The focus moves with the cursor when it was on the board (or nowhere);
    // on a button it stays there.
    QWidget *focused = focusWidget();
    const bool onBoard = !focused || qobject_cast<TPegShape *>(focused);
    for (const auto &row : m_holes)
        for (TPegShape *h : row)
            h->setFocusPolicy(h == at ? Qt::StrongFocus : Qt::NoFocus);
    // Qt tells a screen reader of the focus, so it follows the cursor.
    if (onBoard && focused != at)
        at->setFocus(Qt::OtherFocusReason);
    const int margin = formScale().scaled(3);
    m_cursorFrame->setGeometry(at->geometry().adjusted(-margin, -margin, margin, margin));
    m_cursorFrame->setVisible(Game.running());
}

void TMainForm::ClearLineMarks()
{
    for (TArrowButton *ab : m_markers)
        ab->SetButtonColor(clYellow);
}

void TMainForm::MarkLine(int line, TColor color)
{
    if (line >= 1 && line <= LineCount)
        m_markers[line - 1]->SetButtonColor(color);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == Button1 || watched == Button2) && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const int k = key->key();
        if ((k == Qt::Key_Left || k == Qt::Key_Right) && boardKey(key))
            return true;
    }
    // A double click on the board's free area (not on a hole, a peg or a
    // button; frames and labels are free) starts a new game.
    if (watched == m_board && event->type() == QEvent::MouseButtonDblClick) {
        auto *me = static_cast<QMouseEvent *>(event);
        QWidget *child = m_board->childAt(me->position().toPoint());
        if (me->button() == Qt::LeftButton && (!child || qobject_cast<QLabel *>(child))) {
            New1Click(this);
            return true;
        }
    }
    return TGameWindow::eventFilter(watched, event);
}

void TMainForm::keyPressEvent(QKeyEvent *event)
{
    if (boardKey(event))
        event->accept();
    else
        TGameWindow::keyPressEvent(event);
}

// The keys ask the game what a pointer asks it; they act on the current line
// only, as drops do.
bool TMainForm::boardKey(QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (key == Qt::Key_R && mods == Qt::ControlModifier) {
        Button2Click();
        return true;
    }
    if (mods != Qt::NoModifier)
        return false;
    const int line = Game.Line;
    const bool filled = Game.peg(line, m_cursor) != PegColor::None;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (Game.running()) {
            m_cursor += key == Qt::Key_Left ? -1 : 1;
            showHoleCursor();
        }
        return true;
    case Qt::Key_Backspace:
        if (!filled && m_cursor > 1 && Game.running()) {
            --m_cursor;
            showHoleCursor();
        }
        putPeg(line, m_cursor, PegColor::None);
        return true;
    case Qt::Key_Delete: putPeg(line, m_cursor, PegColor::None); return true;
    default: break;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_8) {
        if (putPeg(line, m_cursor, PegColor(key - Qt::Key_1 + 1)) && m_cursor < Game.Positions) {
            ++m_cursor;
            showHoleCursor();
        }
        return true;
    }
    return false;
}

} // namespace codebreaking
