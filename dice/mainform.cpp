#include "dice/mainform.h"

#include "assets/kubolo/kuboloart.h"
#include "controls/formkit.h"
#include "dice/advisor.h"
#include "dice/coaching.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QPushButton>
#include <QShortcut>

#include <utility>

namespace kubolo {

TMainForm::Dialogs::Dialogs(TMainForm &form, const GameSound &sound)
    : EndGame(form.m_platform, form.sheet(), form.records(), sound, &form),
      BestPlayers(form.m_platform, form.records(), &form),
      TopFive(form.m_platform, form.sheet(), BestPlayers, sound, &form), AboutBox1(form.m_platform, &form),
      TopScore(form.m_platform, form.sheet(), form.records(), BestPlayers, sound, &form),
      Statistics(form.m_platform, form.records(), &form)
{
    EndGame.TopFive = &TopFive;
    EndGame.TopScore = &TopScore;
    EndGame.BestPlayers = &BestPlayers;
}

TMainForm::TMainForm(platform::Platform &platform, QWidget *parent)
    : TGameWindow(platform, parent), m_session(platform.random), m_dialogs([this] {
          return std::make_unique<Dialogs>(*this, [this](const QString &fileName) { PlayGameSound(fileName); });
      })
{
    art::registerArt();
    m_hand = platform::resources::cursor(art::HandCursor);
    m_session.turn.setListener([this](TurnChange change) { turnChanged(change); });
    setWindowTitle(QStringLiteral("Kubolo")); // the game's name, never translated
    setFont(formkit::font(13, true));
    coach().setWords(coachWords());
    buildControls();
    buildMenus();
    buildKeys();
    hintLabel = statusLine();
    // No sound for the rest of the run, and saved as off.
    setSoundOption(m_session.sound, platform::FailedSound::Disabled, Suono1);
    setHint({
        [this](QString &) { return !m_session.turn.rolling() && !sheet().IsOver(); },
        [this] { return !sheet().Hinted(); },
        [this] { m_session.turn.markHinted(); },
        // The values of every state of the game are stored in the program:
        // nothing to work out, the hint is given at once.
        {},
        {},
        [this] { giveHint(); },
    });
    FormCreate();
}

TMainForm::~TMainForm() = default;

TMainForm::Dialogs &TMainForm::dialogs() { return *m_dialogs; }

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
    // A focused hold box keeps Space, to tick itself.
    for (QCheckBox *box : m_holds)
        box->installEventFilter(this);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        event->accept();
        return true;
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
             reviewItem(),
             {&Statistics1, "Statistics1", tr("&Statistics"), [this] { Statistics1Click(); }},
             {&Punteggi1, "Punteggi1", tr("&Best Players"), [this] { Punteggi1Click(); }},
             {&N1, "N1", {}, {}},
             {&Esci1, "Esci1", tr("&Exit"), [this] { Esci1Click(); }}});
    // Each option's tick is the option itself: a click toggles it.
    addMenu(tr("&Options"), "Opzioni1",
            {{&Suono1, "Suono1", tr("&Sound"), [this] { m_session.toggleSound(); },
              [this] { return m_session.sound; }},
             {&Roll1, "Roll1", tr("&Roll"), [this] { m_session.toggleRoll(); },
              [this] { return m_session.roll; }},
             coachOption()});
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
    startUp(QString::fromUtf16(SettingsFileName));
}

void TMainForm::readKeys(platform::SettingsFile &file) { m_session.load(readSettings(file)); }

void TMainForm::writeKeys(platform::SettingsFile &file) const { kubolo::writeKeys(file, currentSettings()); }

QString TMainForm::whatIsLost() const
{
    return tr("\n\nThe best players, statistics and options of this run are not saved.");
}

KuboloSettings TMainForm::currentSettings() const { return m_session.settings(); }

void TMainForm::FormClose()
{
    // A roll under way is dropped: the dice it would give are not saved.
    m_stepper.cancel();
    m_session.turn.cancelRoll();
    TGameWindow::FormClose();
}

// Every change of the turn is drawn from the turn itself.
void TMainForm::turnChanged(TurnChange change)
{
    if (change == TurnChange::Rolled && m_session.turn.fiveOfAKind())
        PlayGameSound(QStringLiteral("tada.wav"));
    // A hint holds until the dice are thrown or a category is taken.
    const bool moved = change == TurnChange::RollStarted || change == TurnChange::Chosen ||
                       change == TurnChange::NewGame;
    if (moved)
        hintOutdated();
    if (change == TurnChange::NewGame)
        reviewAnew();
    showTurn(change);
    // The end of the game is told once the choice that ended it is over.
    if (change == TurnChange::Chosen && m_session.turn.sheet().IsOver()) {
        pointToReview();
        afterThisEvent([this] { showEndGame(); });
    }
}

void TMainForm::StartNewGame() { m_session.turn.newGame(); }

void TMainForm::rollClick()
{
    // After the turn's first roll, the dice held are the player's decision.
    const DicePosition position = positionOf(sheet());
    DiceMove move{true, {}, {}};
    for (int i = 0; i < 5; ++i)
        move.hold[i] = m_session.turn.held(i);
    // The button is disabled where the turn refuses; a stray call changes nothing.
    if (m_session.startRoll() != Refusal::None)
        return;
    if (position.rollsUsed > 0)
        rateDecision([position, move] { return rateMove(stateValues(), position, move); });
    m_stepper.start(rollSteps(), [this] { m_session.finishRoll(); });
}

void TMainForm::landDie(int i) { m_dice[i]->SetValue(m_session.landDie(i)); }

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
                                 landDie(i);
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
                             landDie(i);
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
    const DicePosition position = positionOf(sheet());
    for (int i = 0; i < CategoryCount; ++i)
        if (m_names[i] == sender && m_session.turn.choose(categoryAt(i)) == Refusal::None)
            rateDecision([position, move = DiceMove{false, {}, categoryAt(i)}] {
                return rateMove(stateValues(), position, move);
            });
}

void TMainForm::showEndGame() { showModal(m_dialogs->EndGame); }

void TMainForm::PlayGameSound(const QString &fileName) { playSound(fileName); }

void TMainForm::Nuova1Click() { StartNewGame(); }

// --- the hint ---

void TMainForm::Hint1Click() { askForHint(); }

void TMainForm::giveHint()
{
    const Session::Hint hint = m_session.takeHint(stateValues());
    // The cursor goes to the category to choose.
    if (hint.category >= 0) {
        m_cursor = hint.category;
        m_names[hint.category]->setFocus(Qt::OtherFocusReason);
    }
    setStatus(hint.text);
}

void TMainForm::Statistics1Click() { showModal(m_dialogs->Statistics); }

void TMainForm::Punteggi1Click()
{
    m_dialogs->BestPlayers.ClearRowMarks();
    showModal(m_dialogs->BestPlayers);
}

void TMainForm::About1Click() { showModal(m_dialogs->AboutBox1); }

void TMainForm::Esci1Click() { close(); }

// As if the item were chosen: the tick toggles, and a greyed item stays as it is.
void TMainForm::Suono1Click() { Suono1->trigger(); }
void TMainForm::Roll1Click() { Roll1->trigger(); }

void TMainForm::Contents1Click() { m_platform.help.showTopic(QStringLiteral("contents")); }
void TMainForm::Rules1Click() { m_platform.help.showTopic(QStringLiteral("rules")); }
void TMainForm::Scoring1Click() { m_platform.help.showTopic(QStringLiteral("scoring")); }

} // namespace kubolo
