#include "codebreaking/mainform.h"

#include "assets/pegora/pegoraart.h"
#include "codebreaking/coaching.h"
#include "codebreaking/welcome.h"

#include <QLabel>
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

TMainForm::Dialogs::Dialogs(TMainForm &board)
    : bestPlayers(board.m_platform, board.Records, &board), statistics(board.m_platform, board.Stats, &board),
      aboutBox1(board.m_platform, &board), result(board.m_platform, board.Game, board.Records, &board),
      congratulations(board.m_platform, board.Game, bestPlayers, &board),
      topScore(board.m_platform, board.Game, bestPlayers, &board)
{
    // The entry dialogs open over the result, which stays behind them.
    platform::Messages &messages = board.m_platform.messages;
    result.showTopScore = [this, &messages] { messages.exec(topScore); };
    result.showCongratulations = [this, &messages] { messages.exec(congratulations); };
}

TMainForm::TMainForm(platform::Platform &platform, QWidget *parent)
    : TGameWindow(platform, parent), m_session(platform.random),
      m_dialogs([this] { return std::make_unique<Dialogs>(*this); })
{
    art::registerPictures();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Pegora")); // the game's name, never translated
    QFont f = font();
    f.setPixelSize(11);
    f.setBold(true);
    setFont(f);

    coach().setWords(coachWords());
    buildBoard();
    buildMenu();
    setBoard(m_board, StatusHeight);
    hintLabel = statusLine();
    setButtonPicture(Button1, QString::fromLatin1(art::CheckPicture), QSize(16, 16));
    setButtonPicture(Button2, QString::fromLatin1(art::RepeatPicture), QSize(16, 16));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);

    m_session.setListener([this](Aspect aspect) {
        switch (aspect) {
        case Aspect::Board: showBoard(); break;
        case Aspect::Line:
            for (int column = 1; column <= Game.Positions; ++column)
                showHole(Game.Line, column);
            showControls();
            break;
        case Aspect::Seconds: showSeconds(Game.Seconds); break;
        case Aspect::Symbols: showSymbols(); break;
        }
    });
    setSoundOption(m_session.kept.sound, platform::FailedSound::StaysAvailable);
    setDefaultButton(Button1);
    setHint({
        [this](QString &why) {
            if (!Game.running())
                why = tr("The game is over: start a new one for a hint.");
            return Game.running();
        },
        [this] { return !Game.training(); },
        [this] { Game.markHinted(); },
        tr("Working out the hint..."),
        [this] {
            // Worked out for the line as it stands; given only while the
            // game is still there.
            const std::vector<PlayedLine> lines = m_session.playedLines();
            const int positions = Game.Positions, line = Game.Line;
            const bool single = Game.SingleColors;
            return [this, positions, line, single, lines](const THintWorker::Cancelled &) {
                const GuessAdvice advice = adviseGuess(positions, single, lines);
                return std::function<void()>([this, line, positions, advice] {
                    m_hintAnswer = {line, positions, advice};
                });
            };
        },
        [this] {
            const HintAnswer &a = m_hintAnswer;
            if (m_session.takeHint(a.line, a.positions, a.advice))
                setStatus(hintText(a.advice, a.positions));
        },
    });
    FormCreate();
}

TMainForm::~TMainForm() = default;

TMainForm::Dialogs &TMainForm::dialogs() { return *m_dialogs; }

void TMainForm::buildMenu()
{
    const PegoraSettings &kept = m_session.kept;
    addMenu(tr("&Game"), "Game1",
            {{&New1, "New1", tr("&New"), [this] { New1Click(New1); }, Qt::Key_F2},
             {&Secretcode1, "Secretcode1", tr("Show Secret &Code"), [this] { Secretcode1Click(); }},
             {&Hint1, "Hint1", tr("&Hint"), [this] { Hint1Click(); }, Qt::Key_H},
             reviewItem(),
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
              [&kept] { return kept.symbols; }},
             coachOption()});
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
    startUp(QString::fromUtf16(SettingsFileName));
    // Greeted before the board is first shown; the clock is already running.
    if (WelcomeFlag)
        showWelcome();
}

void TMainForm::readKeys(platform::SettingsFile &file) { m_session.load(readSettings(file)); }

void TMainForm::writeKeys(platform::SettingsFile &file) const { codebreaking::writeKeys(file, m_session.kept); }

void TMainForm::startGame() { StartNewGame(); }

void TMainForm::showWelcome()
{
    // The box keeps nothing of its own, so it is made only when first wanted
    // and a player who turned it off pays nothing for it at start.
    if (!m_welcomeBox)
        m_welcomeBox = new TWelcomeBox(m_platform, WelcomeFlag, this);
    showModal(*m_welcomeBox);
}

void TMainForm::zoomChanged() { showHoleCursor(); }

void TMainForm::StartNewGame()
{
    hintOutdated(); // a hint under way was for the game before
    reviewAnew();
    m_cursor = 1;
    m_session.newGame();
    Timer1->start(); // the new game's first second starts now
}

void TMainForm::Hint1Click() { askForHint(); }

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
    hintOutdated(); // a hint was for the line just checked
    // The line is rated against the lines before it.
    const std::vector<PlayedLine> before = m_session.playedLines();
    const Code guess = m_session.pegsOf(Game.Line);
    const int positions = Game.Positions;
    const bool single = Game.SingleColors;
    const CheckResult r = m_session.check();
    if (r.result == MoveResult::Done)
        rateDecision([=] { return rateLine(positions, single, before, guess); });
    // The keys go back to the board for the next line, wherever they were.
    if (Game.running())
        hole(Game.Line, m_cursor)->setFocus(Qt::OtherFocusReason);
    // The end of the game is told once the check that ended it is over.
    switch (r.outcome) {
    case CheckOutcome::Won:
        pointToReview();
        playSound(QStringLiteral("win.wav"));
        afterThisEvent([this] { showModal(m_dialogs->result); });
        break;
    case CheckOutcome::Lost:
        pointToReview();
        afterThisEvent(
            [this] { showMessage(platform::MsgIcon::Information, tr("Sorry, too many guesses."), platform::Ok); });
        break;
    case CheckOutcome::NextLine: break;
    }
}

void TMainForm::Button2Click() { m_session.repeatLine(); }

void TMainForm::Secretcode1Click()
{
    const bool running = Game.running();
    m_session.giveUp();
    if (running && !Game.running())
        pointToReview();
}

void TMainForm::Timer1Timer() { m_session.tick(); }

void TMainForm::New1Click(QObject *Sender)
{
    auto ask = [this](const QString &text) {
        return showMessage(platform::MsgIcon::Confirmation, text, platform::Yes | platform::No) == platform::Yes;
    };
    const PegoraSettings &kept = m_session.kept;
    if (Sender == sc1) {
        if (!ask(kept.single ? askNewGame() : trainingQuestion(QT_TR_NOOP("Single Colors"))))
            return;
        m_session.setSingleColors(!kept.single);
    } else if (Sender == NormalGame1 || Sender == tc1) {
        const bool three = Sender == tc1;
        if (kept.threeColors == three || !ask(three ? trainingQuestion(QT_TR_NOOP("3 Colors")) : askNewGame()))
            return;
        m_session.setThreeColors(three);
    }
    showOptions();
    StartNewGame();
}

void TMainForm::Sound1Click() { m_session.toggleSound(); }

void TMainForm::Symbols1Click() { m_session.setSymbols(!m_session.kept.symbols); }

void TMainForm::Statistics1Click() { showModal(m_dialogs->statistics); }

void TMainForm::BestPlayers1Click()
{
    m_dialogs->bestPlayers.ClearRowMarks();
    showModal(m_dialogs->bestPlayers);
}

void TMainForm::Welcomebox1Click() { showWelcome(); }

void TMainForm::About1Click() { showModal(m_dialogs->aboutBox1); }

void TMainForm::Exit1Click() { close(); }

void TMainForm::Contents1Click() { m_platform.help.showTopic(QStringLiteral("contents")); }

void TMainForm::Rules1Click() { m_platform.help.showTopic(QStringLiteral("rules")); }

void TMainForm::Scoring1Click() { m_platform.help.showTopic(QStringLiteral("scoring")); }

} // namespace codebreaking
