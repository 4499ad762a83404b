#include "codebreaking/mainform.h"

#include "assets/pegora/pegoraart.h"
#include "codebreaking/welcome.h"
#include "controls/formkit.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace codebreaking {

namespace {

constexpr int StatusHeight = 34; // two lines under the board; the end-to-end scripts count on it

QString askNewGame() { return TMainForm::tr("Start a new game ?"); }

// what: the option's name, as QT_TRANSLATE_NOOP("codebreaking::TMainForm", ...) gives it.
QString trainingQuestion(const char *what)
{
    //: %1 is the name of an option of the Level or Options menu.
    return TMainForm::tr("If you play %1 the game is considered training\r"
                         "and I won't update Best Players or Statistics.\r"
                         "Start a new game ?")
        .arg(TMainForm::tr(what));
}

} // namespace

TMainForm::TMainForm(platform::Platform &platform, QWidget *parent)
    : TGameWindow(platform, parent), m_session(platform.random)
{
    art::registerPictures();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Pegora")); // the game's name, never translated
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

    m_session.changed = [this](Session::Aspect aspect, int line, int column) {
        switch (aspect) {
        case Session::Aspect::Board: showBoard(); break;
        case Session::Aspect::Hole:
            showHole(line, column);
            showControls();
            break;
        case Session::Aspect::Seconds: showSeconds(Game.Seconds); break;
        case Session::Aspect::Symbols: showSymbols(); break;
        }
    };
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::buildMenu()
{
    const PegoraSettings &kept = m_session.kept;
    addMenu(tr("&Game"), "Game1",
            {{&New1, "New1", tr("&New"), [this] { New1Click(New1); }, Qt::Key_F2},
             {&Secretcode1, "Secretcode1", tr("Show Secret &Code"), [this] { Secretcode1Click(); }},
             {&Hint1, "Hint1", tr("&Hint"), [this] { Hint1Click(); }, Qt::Key_H},
             {},
             {&Statistics1, "Statistics1", tr("&Statistics"), [this] { Statistics1Click(); }},
             {&BestPlayers1, "BestPlayers1", tr("&Best Players"), [this] { BestPlayers1Click(); }},
             {},
             {&Exit1, "Exit1", tr("&Exit"), [this] { Exit1Click(); }}});
    addMenu(tr("&Level"), "Level1",
            {{&tc1, "tc1", tr("&3 Colors"), [this] { New1Click(tc1); }, [&kept] { return kept.threeColors; }},
             {&NormalGame1, "NormalGame1", tr("&4 Colors"), [this] { New1Click(NormalGame1); },
              [&kept] { return !kept.threeColors; }}},
            true);
    addMenu(tr("&Options"), "Options1",
            {{&Sound1, "Sound1", tr("&Sound"), [this] { Sound1Click(); }, [&kept] { return kept.sound; }},
             {&sc1, "sc1", tr("&Single Colors"), [this] { New1Click(sc1); }, [&kept] { return kept.single; }},
             {&Symbols1, "Symbols1", tr("&Peg Symbols"), [this] { Symbols1Click(); },
              [&kept] { return kept.symbols; }}});
    //: The help menu.
    addMenu(tr("&?"), "Help1",
            {{&Contents1, "Contents1", tr("&Contents"), [this] { Contents1Click(); }},
             {&Rules1, "Rules1", tr("&Rules"), [this] { Rules1Click(); }},
             {&Scoring1, "Scoring1", tr("&Scoring"), [this] { Scoring1Click(); }},
             {&Welcomebox1, "Welcomebox1", tr("&Welcome Box"), [this] { Welcomebox1Click(); }},
             {},
             {&About1, "About1", tr("&About..."), [this] { About1Click(); }}});
}

void TMainForm::FormCreate()
{
    // The drag cursor "MyCur" is taken by every peg when a drag starts, and
    // drawn then for the first time.
    openSettings(QString::fromUtf16(SettingsFileName));
    m_session.kept = readSettings(settingsFile());
    showOptions();
    showSymbols();
    // A damaged value is told about; everything else read is used.
    reportSettingsProblems();
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

void TMainForm::FormClose()
{
    const PegoraSettings &kept = m_session.kept;
    saveSettings([&kept](platform::SettingsFile &file) { writeKeys(file, kept); }, QString());
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
    formkit::centreOnScreen(this);
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

void TMainForm::backToBoard()
{
    // Where no window manager hands the keys back when a dialog closes, the
    // board takes them itself.
    if (isVisible())
        activateWindow();
}

void TMainForm::StartNewGame()
{
    hintWorker().cancel(); // a hint under way was for the game before
    m_cursor = 1;
    setStatus({});
    m_session.newGame();
    Timer1->start(); // the new game's first second starts now
}

void TMainForm::Hint1Click()
{
    if (!Game.running()) {
        setStatus(tr("The game is over: start a new one for a hint."));
        return;
    }
    if (!Game.training()) {
        const bool yes = m_platform.messages.show(this, platform::MsgIcon::Confirmation,
                                                  tr("If you ask for a hint the game is considered training\r"
                                                     "and I won't update Best Players or Statistics.\r"
                                                     "Show the hint ?"),
                                                  platform::Yes | platform::No) == platform::Yes;
        backToBoard();
        if (!yes)
            return;
    }
    Game.markHinted();
    const std::vector<PlayedLine> lines = m_session.playedLines();
    // Worked out beside the board, which stays live; the guess fills the line
    // only while the game is still where it was asked for.
    const int positions = Game.Positions, line = Game.Line;
    const bool single = Game.SingleColors;
    setStatus(tr("Working out the hint..."));
    hintWorker().start<GuessAdvice>(
        [positions, single, lines](const THintWorker::Cancelled &) { return adviseGuess(positions, single, lines); },
        [this, line, positions](const GuessAdvice &advice) {
            if (m_session.takeHint(line, positions, advice))
                setStatus(hintText(advice, positions));
        });
}

void TMainForm::playSound(const QString &file)
{
    // No sound to be had: the option goes off, and may be switched on again.
    TGameWindow::playSound(m_session.kept.sound, file, platform::FailedSound::StaysAvailable);
}

bool TMainForm::a1DragOver(TPegShape *Sender, PegColor) { return Game.accepts(Sender->line(), Sender->column()); }

void TMainForm::d2DragDrop(TPegShape *Sender, PegColor color) { putPeg(Sender->line(), Sender->column(), color); }

bool TMainForm::putPeg(int line, int column, PegColor color)
{
    // No colour (a peg from an empty hole) empties the hole.
    if (!m_session.putPeg(line, column, color))
        return false;
    playSound(QStringLiteral("drop.wav"));
    return true;
}

void TMainForm::Button1Click()
{
    if (!Game.canCheck())
        return;
    m_cursor = 1;
    hintWorker().cancel();
    setStatus({}); // a hint was for the line just checked
    const CheckResult r = m_session.check();
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
            m_platform.messages.show(this, platform::MsgIcon::Information, tr("Sorry, too many guesses."),
                                     platform::Ok);
            backToBoard();
        });
        break;
    case CheckOutcome::NextLine: break;
    }
}

void TMainForm::Button2Click() { m_session.repeatLine(); }

void TMainForm::Secretcode1Click() { m_session.giveUp(); }

void TMainForm::Timer1Timer() { m_session.tick(); }

void TMainForm::New1Click(QObject *Sender)
{
    auto ask = [this](const QString &text) {
        const bool yes = m_platform.messages.show(this, platform::MsgIcon::Confirmation, text,
                                                  platform::Yes | platform::No) == platform::Yes;
        backToBoard();
        return yes;
    };
    PegoraSettings &kept = m_session.kept;
    if (Sender == sc1) {
        if (!ask(kept.single ? askNewGame() : trainingQuestion(QT_TR_NOOP("Single Colors"))))
            return;
        kept.single = !kept.single;
    } else if (Sender == NormalGame1 || Sender == tc1) {
        const bool three = Sender == tc1;
        if (kept.threeColors == three || !ask(three ? trainingQuestion(QT_TR_NOOP("3 Colors")) : askNewGame()))
            return;
        kept.threeColors = three;
    }
    showOptions();
    StartNewGame();
}

void TMainForm::Sound1Click() { m_session.kept.sound = !m_session.kept.sound; }

void TMainForm::Symbols1Click() { m_session.setSymbols(!m_session.kept.symbols); }

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
