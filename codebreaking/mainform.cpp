#include "codebreaking/mainform.h"

#include "codebreaking/advisor.h"

#include "assets/pegora/pegoraart.h"
#include "codebreaking/settings.h"
#include "codebreaking/welcome.h"
#include "controls/formkit.h"
#include "platform/resources.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

using formkit::centreOnScreen;

namespace codebreaking {

namespace {

constexpr int HoleX[4] = {31, 56, 81, 106};
constexpr int PaletteX[4] = {181, 206, 231, 256};
const char *const LineLetters[LineCount] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
// Line 9's count of placed pegs is named "iin".
const char *const CorrectNames[LineCount] = {"an", "bn", "cn", "dn", "en", "fn", "gn", "hn", "iin", "jn"};

constexpr int StatusHeight = 34; // two lines under the board; the end-to-end scripts count on it

int lineY(int line) { return 24 + 20 * (line - 1); }

const QString AskNewGame = QStringLiteral("Start a new game ?");

QString trainingQuestion(const QString &first, const QString &last)
{
    return first + QStringLiteral(" the game is considered training") + QLatin1Char('\r') +
           QStringLiteral("and I won't update Best Players or Statistics.") + QLatin1Char('\r') + last;
}

QString trainingQuestion(const char *what)
{
    return trainingQuestion(QStringLiteral("If you play %1").arg(QLatin1String(what)), AskNewGame);
}

// The colours as the game names them, in palette order.
const char *const PegNames[PegColorCount] = {"White", "Red", "Yellow", "Green", "Fuchsia", "Aqua", "Blue", "Black"};

QString hintText(const GuessAdvice &advice, int positions)
{
    if (advice.possible.empty())
        return QStringLiteral("No code fits the lines so far.");
    QStringList pegs;
    for (int i = 0; i < positions; ++i)
        pegs << QString::fromLatin1(PegNames[int(advice.guess[i]) - 1]);
    const qsizetype n = qsizetype(advice.possible.size());
    // The guess on one line and the count on the next: the board is narrow.
    return QStringLiteral("Try %1.\n").arg(pegs.join(QLatin1Char(' '))) +
           (n == 1 ? QStringLiteral("1 code is still possible.")
                   : QStringLiteral("%1 codes are still possible.").arg(n));
}

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
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, color);
    l->setPalette(pal);
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
        p.setPen(QPen(QColor(0, 0, 128), pen));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), 3 * zoom, 3 * zoom);
    }
};

} // namespace

TMainForm::TMainForm(platform::Platform &platform, QWidget *parent) : TGameWindow(platform, parent)
{
    art::registerPictures();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Pegora"));
    QFont f = font();
    f.setPixelSize(11);
    f.setBold(true);
    setFont(f);

    buildBoard();
    buildMenu();
    setBoard(m_board, StatusHeight);
    hintLabel = statusLine();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);

    FormCreate();
}

TMainForm::~TMainForm() = default;

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
        ab->setAccessibleCaption(QStringLiteral("Line %1 marker").arg(line));
        m_markers[line - 1] = ab;
        for (int col = 1; col <= 4; ++col) {
            auto *h =
                new TPegShape(m_board, QString::fromLatin1(LineLetters[line - 1]) + QString::number(col), line, col);
            h->move(HoleX[col - 1], y);
            h->setAccessibleCaption(QStringLiteral("Line %1, column %2").arg(line).arg(col));
            h->setAcceptDrops(true);
            h->onDragOver = [this](TPegShape *target, PegColor color) { return a1DragOver(target, color); };
            h->onDragDrop = [this](TPegShape *target, PegColor color) { d2DragDrop(target, color); };
            h->dragColor = [this, line, col] { return Game.peg(line, col); };
            m_holes[line - 1][col - 1] = h;
        }
        const int ly = 25 + 20 * (line - 1);
        auto *n = label(m_board, QString::fromLatin1(CorrectNames[line - 1]), QStringLiteral("?"),
                        QRect(135, ly, 12, 14), QColor(0, 0, 128), Qt::AlignLeft);
        n->setToolTip(QStringLiteral("Correctly placed colors"));
        auto *b = label(m_board, QString::fromLatin1(LineLetters[line - 1]) + QLatin1Char('b'), QStringLiteral("?"),
                        QRect(148, ly, 14, 14), QColor(0, 128, 128), Qt::AlignRight);
        b->setToolTip(QStringLiteral("Uncorrectly placed colors"));
        m_correct[line - 1] = n;
        m_misplaced[line - 1] = b;
    }

    static const char *const paletteNames[PegColorCount] = {"bianco", "rosso",   "giallo", "verde",
                                                            "viola",  "azzurro", "blu",    "nero"};
    for (int i = 0; i < PegColorCount; ++i) {
        auto *p = new TPegShape(m_board, QString::fromLatin1(paletteNames[i]));
        p->move(PaletteX[i % 4], i < 4 ? 24 : 44);
        p->SetColor(pegTColor(PegColor(i + 1)));
        p->dragColor = [i] { return PegColor(i + 1); };
        p->setAccessibleCaption(QStringLiteral("Palette peg %1").arg(i + 1)); // its key
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
        s->setAccessibleCaption(QStringLiteral("Secret code peg %1").arg(i + 1));
        m_code[i] = s;
    }
    s1 = m_code[0];
    s2 = m_code[1];
    s3 = m_code[2];
    s4 = m_code[3];

    Button1 = new QPushButton(QStringLiteral("Check"), m_board);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(190, 80, 77, 27);
    // A click presses a button without taking the keys from the board: Return
    // there checks a full line, and presses a button only the player moved to.
    Button1->setFocusPolicy(Qt::TabFocus);
    connect(Button1, &QPushButton::clicked, this, &TMainForm::Button1Click);
    Button2 = new QPushButton(QStringLiteral("Repeat"), m_board);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(190, 115, 77, 27);
    Button2->setFocusPolicy(Qt::TabFocus);
    Button2->setToolTip(QStringLiteral("Repeat the previous line"));
    connect(Button2, &QPushButton::clicked, this, &TMainForm::Button2Click);
    // The board's keys reach the buttons' neighbours too: Left and Right move
    // the hole cursor, Return presses the focused button.
    Button1->installEventFilter(this);
    Button2->installEventFilter(this);
    setTabOrder(Button1, Button2);

    m_cursorFrame = new HoleFrame(m_board);
    m_cursorFrame->raise();

    Label1 = label(m_board, QStringLiteral("Label1"), QStringLiteral("Line:"), QRect(182, 153, 40, 16),
                   QWidget::palette().color(QPalette::WindowText), Qt::AlignLeft);
    lTurno = label(m_board, QStringLiteral("lTurno"), QStringLiteral("1"), QRect(226, 153, 48, 16), QColor(0, 0, 128),
                   Qt::AlignRight);
    time = label(m_board, QStringLiteral("time"), QStringLiteral("0"), QRect(182, 178, 92, 16), QColor(0, 0, 128),
                 Qt::AlignRight);
    time->setToolTip(QStringLiteral("Seconds since the game started"));
}

QAction *TMainForm::menuTrigger(QAction *action, bool checkable, std::function<void()> handler)
{
    return checkable ? option(action, std::move(handler)) : command(action, std::move(handler));
}

void TMainForm::buildMenu()
{
    QMenuBar *bar = menuBar();
    auto add = [this](QMenu *menu, const char *name, const QString &caption) {
        auto *a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };

    QMenu *game = bar->addMenu(QStringLiteral("&Game"));
    New1 = menuTrigger(add(game, "New1", QStringLiteral("&New")), false, [this] { New1Click(New1); });
    New1->setShortcut(QKeySequence(Qt::Key_F2));
    Secretcode1 = menuTrigger(add(game, "Secretcode1", QStringLiteral("Show Secret &Code")), false,
                              [this] { Secretcode1Click(); });
    Hint1 = menuTrigger(add(game, "Hint1", QStringLiteral("&Hint")), false, [this] { Hint1Click(); });
    Hint1->setShortcut(QKeySequence(Qt::Key_H));
    game->addSeparator();
    Statistics1 =
        menuTrigger(add(game, "Statistics1", QStringLiteral("&Statistics")), false, [this] { Statistics1Click(); });
    BestPlayers1 =
        menuTrigger(add(game, "BestPlayers1", QStringLiteral("&Best Players")), false, [this] { BestPlayers1Click(); });
    game->addSeparator();
    Exit1 = menuTrigger(add(game, "Exit1", QStringLiteral("&Exit")), false, [this] { Exit1Click(); });

    QMenu *level = bar->addMenu(QStringLiteral("&Level"));
    m_level = new QActionGroup(this);
    // Optional, so the mark can be put back after a click; one is always checked.
    m_level->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    tc1 = add(level, "tc1", QStringLiteral("&3 Colors"));
    NormalGame1 = add(level, "NormalGame1", QStringLiteral("&4 Colors"));
    tc1->setCheckable(true);
    NormalGame1->setCheckable(true);
    m_level->addAction(tc1);
    m_level->addAction(NormalGame1);
    NormalGame1->setChecked(true);
    menuTrigger(tc1, true, [this] { New1Click(tc1); });
    menuTrigger(NormalGame1, true, [this] { New1Click(NormalGame1); });

    QMenu *options = bar->addMenu(QStringLiteral("&Options"));
    Sound1 = menuTrigger(add(options, "Sound1", QStringLiteral("&Sound")), true, [this] { Sound1Click(); });
    Sound1->setChecked(true);
    sc1 = menuTrigger(add(options, "sc1", QStringLiteral("&Single Colors")), true, [this] { New1Click(sc1); });
    Symbols1 = menuTrigger(add(options, "Symbols1", QStringLiteral("&Peg Symbols")), true, [this] { Symbols1Click(); });

    QMenu *help = bar->addMenu(QStringLiteral("&?"));
    Contents1 = menuTrigger(add(help, "Contents1", QStringLiteral("&Contents")), false, [this] { Contents1Click(); });
    Rules1 = menuTrigger(add(help, "Rules1", QStringLiteral("&Rules")), false, [this] { Rules1Click(); });
    Scoring1 = menuTrigger(add(help, "Scoring1", QStringLiteral("&Scoring")), false, [this] { Scoring1Click(); });
    Welcomebox1 =
        menuTrigger(add(help, "Welcomebox1", QStringLiteral("&Welcome Box")), false, [this] { Welcomebox1Click(); });
    help->addSeparator();
    About1 = menuTrigger(add(help, "About1", QStringLiteral("&About...")), false, [this] { About1Click(); });
}

void TMainForm::FormCreate()
{
    // The drag cursor "MyCur" is taken by every peg when a drag starts, and
    // drawn then for the first time.
    loadSettings();
    StartNewGame();
    // Greeted before the board is first shown; the clock is already running.
    if (WelcomeFlag)
        showWelcome();
}

void TMainForm::showWelcome()
{
    // The box keeps nothing of its own, so it is made only when first wanted
    // and a player who turned it off pays nothing for it at start.
    if (!m_welcomeBox)
        m_welcomeBox = new TWelcomeBox(m_platform, WelcomeFlag, this);
    m_platform.messages.exec(*m_welcomeBox);
}

void TMainForm::FormClose() { saveSettings(); }

void TMainForm::loadSettings()
{
    openSettings(QString::fromUtf16(SettingsFileName));
    const PegoraSettings s = readSettings(settingsFile());
    Records = s.best;
    Stats = s.stats;
    Sound1->setChecked(s.sound);
    sc1->setChecked(s.single);
    (s.threeColors ? tc1 : NormalGame1)->setChecked(true);
    WelcomeFlag = s.welcomeBox;
    Symbols1->setChecked(s.symbols);
    showSymbols();
    // A damaged value is told about; everything else read is used.
    reportSettingsProblems();
}

void TMainForm::saveSettings()
{
    PegoraSettings s;
    s.best = Records;
    s.stats = Stats;
    s.sound = Sound1->isChecked();
    s.single = sc1->isChecked();
    s.threeColors = tc1->isChecked();
    s.welcomeBox = WelcomeFlag;
    s.symbols = Symbols1->isChecked();
    TGameWindow::saveSettings([&s](platform::SettingsFile &file) { writeKeys(file, s); }, QString());
}

void TMainForm::zoomChanged() { showHoleCursor(); }

void TMainForm::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

void TMainForm::showEvent(QShowEvent *event)
{
    TGameWindow::showEvent(event);
    if (m_picturesShown)
        return;
    m_picturesShown = true;
    // Pictures are drawn when the board is first seen, not before.
    setButtonPicture(Button1, QString::fromLatin1(art::CheckPicture), QSize(16, 16));
    setButtonPicture(Button2, QString::fromLatin1(art::RepeatPicture), QSize(16, 16));
    centreOnScreen(this);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == Button1 || watched == Button2) && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const int k = key->key();
        if ((k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Return || k == Qt::Key_Enter) && boardKey(key))
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
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (mods != Qt::NoModifier)
            return false;
        auto *button = qobject_cast<QPushButton *>(focusWidget());
        if (button && button->isEnabled())
            button->click();
        else
            Button1Click();
        return true;
    }
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

void TMainForm::backToBoard()
{
    // Where no window manager hands the keys back when a dialog closes, the
    // board takes them itself.
    if (isVisible())
        activateWindow();
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

void TMainForm::showHole(int line, int column) { hole(line, column)->SetColor(pegTColor(Game.peg(line, column))); }

void TMainForm::showCounts(int line)
{
    const std::optional<Score> score = Game.score(line);
    // "?" until the line is checked; read out as words.
    const QString correct = score ? QString::number(score->CorrectCount) : QStringLiteral("?");
    const QString misplaced = score ? QString::number(score->MisplacedCount) : QStringLiteral("?");
    const QString notChecked = QStringLiteral("not checked");
    m_correct[line - 1]->setText(correct);
    m_misplaced[line - 1]->setText(misplaced);
    m_correct[line - 1]->setAccessibleName(
        QStringLiteral("Line %1 correctly placed: %2").arg(line).arg(score ? correct : notChecked));
    m_misplaced[line - 1]->setAccessibleName(
        QStringLiteral("Line %1 incorrectly placed: %2").arg(line).arg(score ? misplaced : notChecked));
}

void TMainForm::showLineMarks()
{
    const bool won = Game.phase() == GamePhase::Won, lost = Game.phase() == GamePhase::Lost;
    for (int line = 1; line <= LineCount; ++line) {
        const QString what = line > Game.Line           ? QStringLiteral("line to come")
                             : line < Game.Line || lost ? QStringLiteral("earlier line")
                             : won                      ? QStringLiteral("won line")
                                                        : QStringLiteral("current line");
        marker(line)->setAccessibleCaption(QStringLiteral("Line %1 marker, %2").arg(line).arg(what));
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
    lTurno->setAccessibleName(QStringLiteral("Line %1").arg(line));
}

void TMainForm::showSeconds(int seconds)
{
    time->setText(QString::number(seconds));
    time->setAccessibleName(QStringLiteral("%1 seconds").arg(seconds));
}

// The code stays hidden while the game runs and is shown once it has ended.
void TMainForm::showCode()
{
    for (int i = 0; i < MaxPositions; ++i)
        m_code[i]->SetColor(Game.running() ? clBtnFace : pegTColor(Game.Secret[i]));
}

void TMainForm::showControls()
{
    Button1->setEnabled(Game.canCheck());
    Button2->setEnabled(Game.canRepeat());
    Secretcode1->setEnabled(Game.running());
    if (!Game.running())
        Timer1->stop();
}

void TMainForm::StartNewGame()
{
    hintWorker().cancel(); // a hint under way was for the game before
    Game.Start(tc1->isChecked() ? 3 : 4, sc1->isChecked(), m_platform.random);
    Timer1->start(); // the new game's first second starts now
    m_cursor = 1;
    setHint({});
    showBoard();
}

void TMainForm::setHint(const QString &text) { hintLabel->setText(text); }

void TMainForm::Hint1Click()
{
    if (!Game.running()) {
        setHint(QStringLiteral("The game is over: start a new one for a hint."));
        return;
    }
    if (!Game.training()) {
        const bool yes = m_platform.messages.show(this, platform::MsgIcon::Confirmation,
                                                  trainingQuestion(QStringLiteral("If you ask for a hint"),
                                                                   QStringLiteral("Show the hint ?")),
                                                  platform::Yes | platform::No) == platform::Yes;
        backToBoard();
        if (!yes)
            return;
    }
    Game.markHinted();
    std::vector<PlayedLine> lines;
    for (int line = 1; line < Game.Line; ++line) {
        const std::optional<Score> score = Game.score(line);
        if (!score)
            continue;
        PlayedLine played{{}, score->CorrectCount, score->MisplacedCount};
        for (int column = 1; column <= MaxPositions; ++column)
            played.guess[column - 1] = Game.peg(line, column);
        lines.push_back(played);
    }
    // Worked out beside the board, which stays live; the guess fills the line
    // only while the game is still where it was asked for.
    const int positions = Game.Positions, line = Game.Line;
    const bool single = Game.SingleColors;
    setHint(QStringLiteral("Working out the hint..."));
    hintWorker().start<GuessAdvice>(
        [positions, single, lines](const THintWorker::Cancelled &) { return adviseGuess(positions, single, lines); },
        [this, line, positions](const GuessAdvice &advice) {
            if (!Game.running() || Game.Line != line || Game.Positions != positions)
                return;
            if (!advice.possible.empty())
                for (int column = 1; column <= positions; ++column)
                    Game.placePeg(line, column, advice.guess[column - 1]);
            showBoard();
            setHint(hintText(advice, positions));
        });
}

void TMainForm::playSound(const QString &file)
{
    // No sound to be had: the option goes off, and may be switched on again.
    platform::playWhileChecked(m_platform.sound, *Sound1, file, platform::FailedSound::StaysAvailable);
}

bool TMainForm::a1DragOver(TPegShape *Sender, PegColor) { return Game.accepts(Sender->line(), Sender->column()); }

void TMainForm::d2DragDrop(TPegShape *Sender, PegColor color) { putPeg(Sender->line(), Sender->column(), color); }

bool TMainForm::putPeg(int line, int column, PegColor color)
{
    // No colour (a peg from an empty hole) empties the hole.
    const MoveResult result =
        color == PegColor::None ? Game.emptyHole(line, column) : Game.placePeg(line, column, color);
    if (result != MoveResult::Done)
        return false;
    playSound(QStringLiteral("drop.wav"));
    showHole(line, column);
    showControls();
    return true;
}

void TMainForm::Button1Click()
{
    const CheckResult r = Game.Check(Stats);
    if (r.result != MoveResult::Done)
        return;
    m_cursor = 1;
    hintWorker().cancel();
    setHint({}); // a hint was for the line just checked
    showBoard();
    // The keys go back to the board for the next line, wherever they were.
    if (Game.running())
        hole(Game.Line, m_cursor)->setFocus(Qt::OtherFocusReason);
    // The end of the game is told once the check that ended it is over.
    switch (r.outcome) {
    case CheckOutcome::Won:
        playSound(QStringLiteral("win.wav"));
        afterThisEvent([this] {
            if (dialogs.showResult)
                dialogs.showResult();
            backToBoard();
        });
        break;
    case CheckOutcome::Lost:
        afterThisEvent([this] {
            m_platform.messages.show(this, platform::MsgIcon::Information, QStringLiteral("Sorry, too many guesses."),
                                     platform::Ok);
            backToBoard();
        });
        break;
    case CheckOutcome::NextLine: break;
    }
}

void TMainForm::Button2Click()
{
    if (Game.repeatLine() == MoveResult::Done)
        showBoard();
}

void TMainForm::Secretcode1Click()
{
    if (Game.GiveUp(Stats) == MoveResult::Done)
        showBoard();
}

void TMainForm::Timer1Timer()
{
    Game.Tick();
    showSeconds(Game.Seconds);
}

void TMainForm::New1Click(QObject *Sender)
{
    auto ask = [this](const QString &text) {
        const bool yes = m_platform.messages.show(this, platform::MsgIcon::Confirmation, text,
                                                  platform::Yes | platform::No) == platform::Yes;
        backToBoard();
        return yes;
    };
    if (Sender == sc1) {
        if (!ask(sc1->isChecked() ? AskNewGame : trainingQuestion("Single Colors")))
            return;
        sc1->setChecked(!sc1->isChecked());
    } else if (Sender == NormalGame1) {
        if (NormalGame1->isChecked() || !ask(AskNewGame))
            return;
        NormalGame1->setChecked(true);
    } else if (Sender == tc1) {
        if (tc1->isChecked() || !ask(trainingQuestion("3 Colors")))
            return;
        tc1->setChecked(true);
    }
    StartNewGame();
}

void TMainForm::Sound1Click() { Sound1->setChecked(!Sound1->isChecked()); }

void TMainForm::Symbols1Click()
{
    Symbols1->setChecked(!Symbols1->isChecked());
    showSymbols();
}

void TMainForm::showSymbols()
{
    for (TPegShape *peg : m_board->findChildren<TPegShape *>())
        peg->SetSymbols(Symbols1->isChecked());
}

void TMainForm::Statistics1Click()
{
    if (dialogs.showStatistics)
        dialogs.showStatistics();
    backToBoard();
}

void TMainForm::BestPlayers1Click()
{
    if (dialogs.clearBestMarks)
        dialogs.clearBestMarks();
    if (dialogs.showBestPlayers)
        dialogs.showBestPlayers();
    backToBoard();
}

void TMainForm::Welcomebox1Click()
{
    showWelcome();
    backToBoard();
}

void TMainForm::About1Click()
{
    if (dialogs.showAbout)
        dialogs.showAbout();
    backToBoard();
}

void TMainForm::Exit1Click() { close(); }

void TMainForm::Contents1Click() { m_platform.help.showTopic(QStringLiteral("contents")); }

void TMainForm::Rules1Click() { m_platform.help.showTopic(QStringLiteral("rules")); }

void TMainForm::Scoring1Click() { m_platform.help.showTopic(QStringLiteral("scoring")); }

} // namespace codebreaking
