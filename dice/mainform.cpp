#include "dice/mainform.h"

#include "assets/kubolo/kuboloart.h"
#include "controls/formkit.h"
#include "dice/advisor.h"
#include "dice/bp.h"
#include "dice/endg.h"
#include "dice/five.h"
#include "dice/myabout.h"
#include "dice/stats.h"
#include "dice/top.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QPushButton>
#include <QShortcut>

#include <utility>

namespace kubolo {

namespace {

const QString SoundOfFive = QStringLiteral("tada.wav");
const QString HelpContents = QStringLiteral("contents");
const QString HelpRules = QStringLiteral("rules");
const QString HelpScoring = QStringLiteral("scoring");

} // namespace

TMainForm::TMainForm(platform::Platform &platform, QWidget *parent) : TGameWindow(platform, parent)
{
    art::registerArt();
    m_hand = platform::resources::cursor(art::HandCursor);
    m_session.turn.setListener([this](TurnChange change) { turnChanged(change); });
    setWindowTitle(QStringLiteral("Kubolo")); // the game's name, never translated
    setFont(formkit::font(13, true));
    buildControls();
    buildMenus();
    buildKeys();
    hintLabel = statusLine();
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::buildKeys()
{
    auto key = [this](std::initializer_list<QKeySequence> keys, bool repeat, auto action) {
        auto *shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        shortcut->setAutoRepeat(repeat);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    // 1 to 5 hold a die as a click on it does.
    const Qt::Key digits[5] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5};
    for (int i = 0; i < 5; ++i)
        key({QKeySequence(digits[i]), QKeySequence(Qt::KeypadModifier | digits[i])}, false,
            [this, i] { m_session.turn.toggleHold(i); });
    key({QKeySequence(Qt::Key_Space)}, false, &TMainForm::rollClick);
    key({QKeySequence(Qt::Key_Up)}, true, [this] { moveCursor(-1); });
    key({QKeySequence(Qt::Key_Down)}, true, [this] { moveCursor(1); });
    // A focused hold box keeps Space, to tick itself; Roll takes Return.
    for (QCheckBox *box : m_holds)
        box->installEventFilter(this);
    Roll->installEventFilter(this);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && watched != Roll &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress && watched == Roll) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat()) {
            Roll->click();
            return true;
        }
    }
    return TGameWindow::eventFilter(watched, event);
}

void TMainForm::moveCursor(int step)
{
    // Only where a click could choose: after a roll, while the game runs.
    if (sheet().RollNumber() == 0 || sheet().IsOver())
        return;
    const int now = categoryCursor();
    const int target = now < 0 ? openCategory(m_cursor, step) : openCategory(now + step, step);
    if (target < 0)
        return;
    m_cursor = target;
    // The focus is the cursor: it draws the frame, and assistive technology
    // follows it.
    m_names[target]->setFocus(Qt::OtherFocusReason);
}

void TMainForm::buildMenus()
{
    addMenu(tr("&Game"), "Partita1",
            {{&Nuova1, "Nuova1", tr("&New"), [this] { Nuova1Click(); }, Qt::Key_F2},
             {&Hint1, "Hint1", tr("&Hint"), [this] { Hint1Click(); }, Qt::Key_H},
             {&Statistics1, "Statistics1", tr("&Statistics"), [this] { Statistics1Click(); }},
             {&Punteggi1, "Punteggi1", tr("&Best Players"), [this] { Punteggi1Click(); }},
             {&N1, "N1", {}, {}},
             {&Esci1, "Esci1", tr("&Exit"), [this] { Esci1Click(); }}});
    // Each option's tick is the option itself: a click toggles it.
    addMenu(tr("&Options"), "Opzioni1",
            {{&Suono1, "Suono1", tr("&Sound"), [this] { m_session.sound = !m_session.sound; },
              [this] { return m_session.sound; }},
             {&Roll1, "Roll1", tr("&Roll"), [this] { m_session.roll = !m_session.roll; },
              [this] { return m_session.roll; }}});
    addMenu(tr("&Help"), "Help1",
            {{&Contents1, "Contents1", tr("&Contents"), [this] { Contents1Click(); }},
             {&Rules1, "Rules1", tr("&Rules"), [this] { Rules1Click(); }},
             {&Scoring1, "Scoring1", tr("&Scoring"), [this] { Scoring1Click(); }},
             {&N2, "N2", {}, {}},
             {&About1, "About1", tr("&About..."), [this] { About1Click(); }}});
}

void TMainForm::FormCreate()
{
    // The hand cursor, "MyCur", is registered with the art above.
    openSettings(QString::fromUtf16(SettingsFileName));
    m_session.load(readSettings(settingsFile()));
    showOptions();
    reportSettingsProblems();
    StartNewGame();
    formkit::centreOnScreen(this, sizeHint());
}

KuboloSettings TMainForm::currentSettings() const { return m_session.settings(); }

void TMainForm::FormClose()
{
    const KuboloSettings s = currentSettings();
    saveSettings([&s](platform::SettingsFile &file) { writeKeys(file, s); },
                 tr("\n\nThe best players, statistics and options of this run are not saved."));
}

void TMainForm::createDialogs()
{
    if (EndGame)
        return;
    const GameSound sound = [this](const QString &fileName) { PlayGameSound(fileName); };
    const ScoreSheet &sheet = m_session.turn.sheet();
    EndGame = new TEndGame(m_platform, sheet, m_session.records, sound, this);
    BestPlayers = new TBestPlayers(m_platform, m_session.records, this);
    TopFive = new TTopFive(m_platform, sheet, *BestPlayers, sound, this);
    AboutBox1 = new TAboutBox1(m_platform, this);
    TopScore = new TTopScore(m_platform, sheet, m_session.records, *BestPlayers, sound, this);
    Statistics = new TStatistics(m_platform, m_session.records, this);
    EndGame->TopFive = TopFive;
    EndGame->TopScore = TopScore;
    EndGame->BestPlayers = BestPlayers;
}

bool TMainForm::haveDialogs()
{
    if (m_makesDialogs)
        createDialogs();
    return EndGame != nullptr;
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // A roll under way is dropped: the dice it would give are not saved;
    // values still being worked out for the hints are not waited for.
    m_stepper.cancel();
    m_session.turn.cancelRoll();
    hintWorker().cancel();
    FormClose();
    event->accept();
}

// Every change of the turn is drawn from the turn itself.
void TMainForm::turnChanged(TurnChange change)
{
    if (change == TurnChange::Rolled && m_session.turn.fiveOfAKind())
        PlayGameSound(SoundOfFive);
    // A hint holds until the dice are thrown or a category is taken.
    const bool moved = change == TurnChange::RollStarted || change == TurnChange::Chosen ||
                       change == TurnChange::NewGame;
    if (moved)
        m_hintAsked = false;
    if (moved && m_values)
        setStatus({});
    showTurn(change);
    // The end of the game is told once the choice that ended it is over.
    if (change == TurnChange::Chosen && m_session.turn.sheet().IsOver())
        afterThisEvent([this] { showEndGame(); });
}

void TMainForm::StartNewGame()
{
    m_session.turn.newGame();
    if (m_values)
        hintLabel->clear();
}

void TMainForm::rollClick()
{
    // The button is disabled where the turn refuses; a stray call changes nothing.
    if (m_session.turn.startRoll() != Refusal::None)
        return;
    m_platform.random.randomize();
    m_thrown = m_session.turn.faces();
    m_stepper.start(rollSteps(), [this] { m_session.turn.finishRoll(m_thrown); });
}

// A die lands: its final face is thrown and shown; the turn takes it when
// the roll is over.
void TMainForm::throwDie(int i)
{
    m_thrown[i] = static_cast<DieValue>(1 + m_platform.random.below(6));
    m_dice[i]->SetValue(m_thrown[i]);
}

std::vector<Stepper::Step> TMainForm::rollSteps()
{
    std::vector<Stepper::Step> steps;
    const bool animate = m_session.roll;
    if (m_session.turn.sheet().RollNumber() == 0) {
        // All five tumble together: silver, five passes, white, final faces.
        if (animate) {
            steps.push_back({[this] {
                                 for (TDice *d : m_dice)
                                     d->SetDiceColor(clSilver);
                             },
                             m_paceMs});
            for (int pass = 0; pass < 5; ++pass)
                steps.push_back({[this] {
                                     for (TDice *d : m_dice)
                                         d->RollFace(m_platform.random);
                                 },
                                 m_paceMs});
        }
        steps.push_back({[this, animate] {
                             if (animate)
                                 for (TDice *d : m_dice)
                                     d->SetDiceColor(clWhite);
                             for (int i = 0; i < 5; ++i)
                                 throwDie(i);
                         },
                         0});
        return steps;
    }
    // Die by die, only over the dice not held; the whole roll stays well
    // under a second however many dice tumble.
    int tumbling = 0;
    for (int i = 0; i < 5; ++i)
        tumbling += m_session.turn.held(i) ? 0 : 1;
    const int faceMs = tumbling == 0 ? 0 : qMin(m_paceMs / 2, 12 * m_paceMs / (15 * tumbling));
    for (int i = 0; i < 5; ++i) {
        if (m_session.turn.held(i))
            continue;
        TDice *d = m_dice[i];
        if (animate)
            for (int face = 0; face < 15; ++face)
                steps.push_back({[this, d, face] {
                                     if (face == 0)
                                         d->SetDiceColor(clSilver);
                                     d->RollFace(m_platform.random);
                                 },
                                 faceMs});
        steps.push_back({[this, d, i, animate] {
                             if (animate)
                                 d->SetDiceColor(clWhite);
                             throwDie(i);
                         },
                         0});
    }
    return steps;
}

void TMainForm::dado1Click() { m_session.turn.toggleHold(0); }
void TMainForm::dado2Click() { m_session.turn.toggleHold(1); }
void TMainForm::dado3Click() { m_session.turn.toggleHold(2); }
void TMainForm::dado4Click() { m_session.turn.toggleHold(3); }
void TMainForm::dado5Click() { m_session.turn.toggleHold(4); }

// The box has already ticked itself; a refused toggle puts it back.
void TMainForm::holdBoxClick(int i)
{
    if (m_session.turn.toggleHold(i) != Refusal::None)
        showTurn(TurnChange::Holds);
}

void TMainForm::xAssiClick(QObject *sender)
{
    for (int i = 0; i < CategoryCount; ++i)
        if (m_names[i] == sender)
            m_session.turn.choose(categoryAt(i));
}

void TMainForm::showEndGame()
{
    // Without the dialogs (a bare window) the game simply stays over.
    if (haveDialogs())
        showModal(*EndGame);
}

void TMainForm::PlayGameSound(const QString &fileName)
{
    // No sound for the rest of the run, and saved as off.
    playSound(m_session.sound, fileName, platform::FailedSound::Disabled, Suono1);
}

void TMainForm::Nuova1Click() { StartNewGame(); }

// --- the hint ---

void TMainForm::prepareHints(int fewestFilled)
{
    if (m_values || hintWorker().busy())
        return;
    setStatus(tr("Working out the hints..."));
    using Values = std::shared_ptr<const StateValues>;
    hintWorker().start<Values>(
        [fewestFilled](const THintWorker::Cancelled &cancelled) {
            return computeStateValues(0, fewestFilled, &cancelled);
        },
        [this](Values values) { valuesReady(std::move(values)); });
}

void TMainForm::valuesReady(std::shared_ptr<const StateValues> values)
{
    m_values = std::move(values);
    hintLabel->clear();
    // The hint asked for, while the turn is still where it was asked.
    if (std::exchange(m_hintAsked, false) && m_values && !m_session.turn.rolling() && !m_session.turn.sheet().IsOver())
        giveHint();
}

void TMainForm::Hint1Click()
{
    const ScoreSheet &sheet = m_session.turn.sheet();
    if (m_session.turn.rolling() || sheet.IsOver())
        return;
    if (!sheet.Hinted()) {
        const QString question = tr("If you ask for a hint the game is considered training\r"
                                    "and I won't update Best Players or Statistics.\r"
                                    "Show the hint ?");
        if (m_platform.messages.show(this, platform::MsgIcon::Confirmation, question, platform::Yes | platform::No) !=
            platform::Yes)
            return;
        m_session.turn.markHinted();
    }
    // The state values are worked out at the first hint, beside the board.
    if (!m_values) {
        m_hintAsked = true;
        prepareHints();
        return;
    }
    giveHint();
}

void TMainForm::giveHint()
{
    const Session::Hint hint = m_session.takeHint(*m_values);
    // The cursor goes to the category to choose.
    if (hint.category >= 0) {
        m_cursor = hint.category;
        m_names[hint.category]->setFocus(Qt::OtherFocusReason);
    }
    hintLabel->setText(hint.text);
}

void TMainForm::Statistics1Click()
{
    if (haveDialogs())
        showModal(*Statistics);
}

void TMainForm::Punteggi1Click()
{
    if (!haveDialogs())
        return;
    BestPlayers->ClearRowMarks();
    showModal(*BestPlayers);
}

void TMainForm::About1Click()
{
    if (haveDialogs())
        showModal(*AboutBox1);
}

void TMainForm::Esci1Click() { close(); }

// As if the item were chosen: the tick toggles, and a greyed item stays as it is.
void TMainForm::Suono1Click() { Suono1->trigger(); }
void TMainForm::Roll1Click() { Roll1->trigger(); }

void TMainForm::Contents1Click() { m_platform.help.showTopic(HelpContents); }
void TMainForm::Rules1Click() { m_platform.help.showTopic(HelpRules); }
void TMainForm::Scoring1Click() { m_platform.help.showTopic(HelpScoring); }

} // namespace kubolo
