#include "poker/mainform.h"

#include "assets/cartova/cards.h"
#include "controls/numedit.h"
#include "poker/advisor.h"
#include "poker/coaching.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <utility>

namespace poker {

namespace {

TDecks deckShown(DeckChoice deck)
{
    switch (deck) {
    case DeckChoice::Fishes: return TDecks::Fishes1;
    case DeckChoice::Std1: return TDecks::Standard1;
    case DeckChoice::Std2: return TDecks::Standard2;
    case DeckChoice::Beach: break;
    }
    return TDecks::Beach;
}

} // namespace

TMainForm::Dialogs::Dialogs(TMainForm &form)
    : aboutBox1(form.m_platform, [&form] { form.PlayCards(); }, &form), payoffs(&form)
{
}

TMainForm::TMainForm(platform::Platform &platform, QWidget *parent)
    : TGameWindow(platform, parent), m_session(platform.random),
      m_dialogs([this] { return std::make_unique<Dialogs>(*this); })
{
    cartova_assets::registerPictures();
    setWindowTitle(QStringLiteral("Cartova")); // the game's name, never translated
    coach().setWords(coachWords());
    buildMenus();
    buildTable();
    // The status line, under the table: the hint in words, on two lines
    // when it needs them.
    setBoard(table, 2 * fontMetrics().height() + 4);
    setButtonPicture(PlayAll, QStringLiteral("ALL"), QSize(16, 16));
    setButtonPicture(DealButton, QStringLiteral("DEAL"), QSize(28, 24));
    hintLabel = statusLine();
    m_session.setListener([this](Aspect aspect) {
        switch (aspect) {
        case Aspect::Bet: showBet(); break;
        case Aspect::Keeps: showKeeps(); break;
        case Aspect::Options:
            setDeck(deckShown(m_session.options.deck.value_or(DeckChoice::Beach)));
            setTableColor(tableColor(m_session.options.table));
            showOptions();
            break;
        }
    });
    setSoundOption(m_session.options.sound, platform::FailedSound::Disabled, Sound1);
    setDefaultButton(DealButton);
    setHint({
        [this](QString &why) {
            if (!m_session.round.holding() && !m_session.round.dealing())
                why = tr("Deal first: a hint is given between the two deals.");
            // Nothing while the cards are on their way.
            return m_session.round.holding() && !m_session.round.dealing();
        },
        {},
        {},
        tr("Working out the hint..."),
        [] {
            // The tables are the whole process's, built once.
            return [](const THintWorker::Cancelled &) {
                prepareAdvisor();
                return std::function<void()>([] {});
            };
        },
        [this] { setStatus(m_session.takeHint()); },
        true,
    });
    FormCreate();
}

// The tables being built for the hints are process-wide: they are left
// whole, whatever the moment the window goes.
TMainForm::~TMainForm() = default;

TMainForm::Dialogs &TMainForm::dialogs() { return *m_dialogs; }

void TMainForm::buildMenus()
{
    MainMenu1 = menuBar();
    const CartovaOptions &o = m_session.options;
    Game1 = addMenu(tr("&Game"), "Game1",
                    {{&New1, "New1", tr("&New"), [this] { New1Click(); }},
                     {&Hint1, "Hint1", tr("&Hint"), [this] { Hint1Click(); }, Qt::Key_H},
                     reviewItem(),
                     {&N2, "N2", {}, {}},
                     {&Exit1, "Exit1", tr("&Exit"), [this] { Exit1Click(); }}});
    Options1 = addMenu(tr("&Options"), "Options1",
                       {{&Sound1, "Sound1", tr("&Sound"), [this] { Sound1Click(); }, [&o] { return o.sound; }},
                        coachOption()});
    const auto deck = [&o](DeckChoice d) { return [&o, d] { return o.deck == d; }; };
    DeckMenu1 = addMenu(tr("&Deck"), "DeckMenu1",
                        {{&Beach1, "Beach1", tr("&Beach"), [this] { Beach1Click(); }, deck(DeckChoice::Beach)},
                         {&MFishes1, "MFishes1", tr("&Fishes"), [this] { MFishes1Click(); },
                          deck(DeckChoice::Fishes)},
                         {&Standard11, "Standard11", tr("Standard &1"), [this] { Standard11Click(); },
                          deck(DeckChoice::Std1)},
                         {&Standard21, "Standard21", tr("Standard &2"), [this] { Standard21Click(); },
                          deck(DeckChoice::Std2)}},
                        true, Options1);
    const auto colour = [&o](TableChoice t) { return [&o, t] { return o.table == t; }; };
    Background1 = addMenu(tr("&Background"), "Background1",
                          {{&Green1, "Green1", tr("&Green"), [this] { Green1Click(); }, colour(TableChoice::Green)},
                           {&Blue1, "Blue1", tr("&Blue"), [this] { Blue1Click(); }, colour(TableChoice::Blue)},
                           {&Red1, "Red1", tr("&Red"), [this] { Red1Click(); }, colour(TableChoice::Red)},
                           {&Gray1, "Gray1", tr("&Gray"), [this] { Gray1Click(); }, colour(TableChoice::Gray)}},
                          true, Options1);
    //: The help menu.
    N3 = addMenu(tr("&?"), "N3",
                 {{&Payoffs1, "Payoffs1", tr("&Payoffs"), [this] { Payoffs1Click(); }},
                  {&Rules1, "Rules1", tr("&Rules"), [this] { Rules1Click(); }},
                  {&N4, "N4", {}, {}},
                  {&About1, "About1", tr("&About..."), [this] { About1Click(); }}});
}

void TMainForm::FormCreate()
{
    startUp(QString::fromUtf16(SettingsFileName));
}

void TMainForm::readKeys(platform::SettingsFile &file) { m_session.load(readSettings(file)); }

void TMainForm::writeKeys(platform::SettingsFile &file) const { poker::writeKeys(file, currentOptions()); }

QString TMainForm::whatIsLost() const { return tr("\n\nThe options of this game were not kept."); }

void TMainForm::startGame()
{
    m_platform.random.randomize();
    New1Click();
}

CartovaOptions TMainForm::currentOptions() const { return m_session.options; }

void TMainForm::FormClose()
{
    m_stepper.cancel(); // a deal under way is dropped with the window
    // A player who stopped at the end of a game leaves the settings as
    // they were, however the window then goes.
    if (!m_terminated)
        TGameWindow::FormClose();
}

void TMainForm::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    // The bet field keeps its own digits and minus sign; elsewhere on the
    // table 1 to 5 keep a card and + and - step the bet by one, each as a
    // click would.
    const bool plain = !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
    if (plain && key >= Qt::Key_1 && key <= Qt::Key_5) {
        cardClick(key - Qt::Key_1);
    } else if (plain && key == Qt::Key_Plus) {
        PlusOne->click();
    } else if (plain && key == Qt::Key_Minus) {
        MinusOne->click();
    } else if (plain && key == Qt::Key_H) {
        Hint1->trigger(); // a capital H, which the item's shortcut does not take
    } else {
        TGameWindow::keyPressEvent(event);
        return;
    }
    event->accept();
}

// --- sounds ---

void TMainForm::PlayMoney() { playSound(QStringLiteral("money.wav")); }
void TMainForm::PlayCards() { playSound(QStringLiteral("cards.wav")); }
void TMainForm::PlayGreat() { playSound(QStringLiteral("great.wav")); }
void TMainForm::PlayClick() { playSound(QStringLiteral("click.wav")); }

void TMainForm::Sound1Click() { m_session.toggleSound(); }

// --- menu commands ---

void TMainForm::New1Click()
{
    m_stepper.cancel();
    m_session.round.newGame();
    hintOutdated();
    showControls();
    showBet();
    if (PlayAllCheck->isChecked())
        PlayAllClick();
    DealButton->setText(tr("Deal"));
    cwLabel->hide();
    SetComment(tr("Good luck!"));
    showKeeps();
    showCards();
    PlayCards();
}

void TMainForm::Exit1Click() { close(); }

// --- the hint ---

void TMainForm::Hint1Click() { askForHint(); }

void TMainForm::About1Click() { showModal(m_dialogs->aboutBox1); }

void TMainForm::Payoffs1Click() { showModal(m_dialogs->payoffs); }

void TMainForm::Rules1Click() { m_platform.help.showTopic(QStringLiteral("rules")); }

// --- deck and table colour ---

void TMainForm::Beach1Click() { m_session.setDeck(DeckChoice::Beach); }
void TMainForm::MFishes1Click() { m_session.setDeck(DeckChoice::Fishes); }
void TMainForm::Standard11Click() { m_session.setDeck(DeckChoice::Std1); }
void TMainForm::Standard21Click() { m_session.setDeck(DeckChoice::Std2); }
void TMainForm::Green1Click() { m_session.setTable(TableChoice::Green); }
void TMainForm::Blue1Click() { m_session.setTable(TableChoice::Blue); }
void TMainForm::Red1Click() { m_session.setTable(TableChoice::Red); }
void TMainForm::Gray1Click() { m_session.setTable(TableChoice::Gray); }

// --- the bet ---

void TMainForm::CpEditChange()
{
    if (m_session.round.enterBet(cpEdit->text()) == Refusal::InvalidValue) {
        showMessage(platform::MsgIcon::Error, refusalText(Refusal::InvalidValue, m_session.round.Credits()),
                    platform::Ok);
    }
}

void TMainForm::PlusOneClick() { m_session.stepBet(&Round::plusOne); }
void TMainForm::MinusOneClick() { m_session.stepBet(&Round::minusOne); }
void TMainForm::PlusTenClick() { m_session.stepBet(&Round::plusTen); }
void TMainForm::MinusTenClick() { m_session.stepBet(&Round::minusTen); }
void TMainForm::PlayAllClick() { m_session.stepBet(&Round::playAll); }

// --- keeping cards ---

void TMainForm::cardClick(int index) { m_session.toggleKeep(index); }

// --- the deal ---

void TMainForm::DealButtonClick()
{
    if (m_session.round.dealing())
        return; // the button is off until the cards are down
    PlayClick();
    const Hand hand = m_session.round.hand();
    const KeepFlags keep = m_session.round.kept();
    const bool deciding = m_session.round.holding();
    const Round::Dealing dealing = m_session.round.deal(cpEdit->Value());
    if (dealing.refused != Refusal::None) {
        if (const QString text = refusalText(dealing.refused, m_session.round.Credits()); !text.isEmpty())
            showMessage(platform::MsgIcon::Warning, text, platform::Ok);
        return;
    }
    hintOutdated();
    // The tables of the hint and the coach are built beside the table from
    // the first deal on, while the cards come: the first hint and rating
    // come at once, and a run that never deals never pays for them.
    if (std::exchange(m_firstDeal, false))
        coach().prepare([] { prepareAdvisor(); });
    // The keep is the player's decision; the bet is the one played.
    if (deciding)
        rateDecision([hand, keep, bet = m_session.round.Bet()] { return rateKeep(hand, keep, bet); });
    // Disabling the focused button hands the focus on; it comes back after the deal.
    m_dealHadFocus = DealButton->hasFocus();
    if (m_session.round.NextDeal() == 1)
        cwLabel->hide();
    showControls();
    showCards();
    // The turned-down cards stay in sight for a moment before the new ones come.
    const int pause = dealing.turnedDown && isVisible() ? m_dealPauseMs : 0;
    m_stepper.start({{{}, pause}}, [this] { dealArrives(); });
}

void TMainForm::dealArrives()
{
    m_session.round.draw();
    showCards();
    DealButton->setText(m_session.round.NextDeal() == 1 ? tr("Deal n. 2") : tr("Deal n. 1"));
    CalculatePoints();
    showControls();
    showKeeps();
    if (m_session.round.betting() && PlayAllCheck->isChecked())
        PlayAllClick();
    if (m_dealHadFocus)
        DealButton->setFocus(Qt::OtherFocusReason);
}

void TMainForm::CalculatePoints()
{
    const Round::Settlement result = m_session.round.settle();
    SetComment(QCoreApplication::translate("poker::hand", result.payoff->comment));
    if (result.sound == SoundClass::Great)
        PlayGreat();
    else if (result.sound == SoundClass::Money)
        PlayMoney();

    if (result.settled) {
        coach().setOutcome(double(result.credits));
        cwLabel->setText(result.won == 0 ? tr("You lost your bet.")
                                         : tr("Credits won: %1").arg(QString::number(result.won)));
        fitText(cwLabel);
        cwLabel->show();
        tcLabel->setText(tr("Total credits: %1").arg(QString::number(result.credits)));
        fitText(tcLabel);
        if (result.betLowered)
            showBet();
    }

    // The end of the game is asked about once the deal that ended it is over.
    if (result.gameOver) {
        pointToReview();
        afterThisEvent([this] { askToRestart(); });
    }
}

void TMainForm::askToRestart()
{
    if (showMessage(platform::MsgIcon::Confirmation, tr("Sorry, end of game.\rDo you want to restart?"),
                    platform::Yes | platform::No) == platform::Yes) {
        New1Click();
    } else {
        // exit, not quit: quit closes the window first, and its close
        // handler would save the settings.
        m_terminated = true;
        QCoreApplication::exit(0);
    }
}

} // namespace poker
