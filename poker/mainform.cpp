#include "poker/mainform.h"

#include "assets/cartova/cards.h"
#include "controls/formkit.h"
#include "controls/numedit.h"
#include "poker/advisor.h"
#include "poker/payoffs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

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

TMainForm::TMainForm(platform::Platform &platform, QWidget *parent)
    : TGameWindow(platform, parent), m_session(platform.random)
{
    cartova_assets::registerPictures();
    setWindowTitle(QStringLiteral("Cartova")); // the game's name, never translated
    buildMenus();
    buildTable();
    // The status line, under the table: the hint in words, on two lines
    // when it needs them.
    setBoard(table, 2 * fontMetrics().height() + 4);
    setButtonPicture(PlayAll, QStringLiteral("ALL"), QSize(16, 16));
    setButtonPicture(DealButton, QStringLiteral("DEAL"), QSize(28, 24));
    hintLabel = statusLine();
    m_session.changed = [this](Session::Aspect aspect) {
        switch (aspect) {
        case Session::Aspect::Bet: showBet(); break;
        case Session::Aspect::Keeps: showKeeps(); break;
        case Session::Aspect::Options:
            setDeck(deckShown(m_session.options.deck.value_or(DeckChoice::Beach)));
            setTableColor(tableColor(m_session.options.table));
            showOptions();
            break;
        }
    };
    FormCreate();
}

// The tables being built for the hints are process-wide: they are left
// whole, whatever the moment the window goes.
TMainForm::~TMainForm() = default;

void TMainForm::buildMenus()
{
    MainMenu1 = menuBar();
    const CartovaOptions &o = m_session.options;
    Game1 = addMenu(tr("&Game"), "Game1",
                    {{&New1, "New1", tr("&New"), [this] { New1Click(); }},
                     {&Hint1, "Hint1", tr("&Hint"), [this] { Hint1Click(); }, Qt::Key_H},
                     {&N2, "N2", {}, {}},
                     {&Exit1, "Exit1", tr("&Exit"), [this] { Exit1Click(); }}});
    Options1 = addMenu(tr("&Options"), "Options1",
                       {{&Sound1, "Sound1", tr("&Sound"), [this] { Sound1Click(); }, [&o] { return o.sound; }}});
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
    openSettings(QString::fromUtf16(SettingsFileName));
    CartovaOptions options = readSettings(settingsFile());
    // The table is not on the screen yet: the box stands alone, centred.
    reportSettingsProblems();
    options.deck = options.deck.value_or(DeckChoice::Beach);
    m_session.options = options;
    m_session.changed(Session::Aspect::Options);
    m_platform.random.randomize();
    New1Click();
}

CartovaOptions TMainForm::currentOptions() const { return m_session.options; }

void TMainForm::FormClose()
{
    const CartovaOptions options = currentOptions();
    saveSettings([&options](platform::SettingsFile &file) { writeKeys(file, options); },
                 tr("\n\nThe options of this game were not kept."));
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    m_stepper.cancel(); // a deal under way is dropped with the window
    // A player who stopped at the end of a game leaves the settings as
    // they were, however the window then goes.
    if (!m_terminated)
        FormClose();
    event->accept();
}

void TMainForm::showEvent(QShowEvent *event)
{
    TGameWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        formkit::centreOnScreen(this);
    }
}

void TMainForm::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    // Deal is the window's default button: Return presses it, unless another
    // button has the focus, which Return then presses instead.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        auto *focused = qobject_cast<QAbstractButton *>(focusWidget());
        if (focused && !qobject_cast<QCheckBox *>(focused) && focused->isEnabled())
            focused->click();
        else if (DealButton->isEnabled())
            DealButton->click();
        event->accept();
        return;
    }
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

void TMainForm::backToTable()
{
    // Where no window manager hands the keys back when a box closes, the
    // table takes them itself.
    if (isVisible())
        activateWindow();
}

// --- sounds ---

void TMainForm::play(const QString &sound)
{
    playSound(m_session.options.sound, sound, platform::FailedSound::Disabled, Sound1);
}

void TMainForm::PlayMoney() { play(QStringLiteral("money.wav")); }
void TMainForm::PlayCards() { play(QStringLiteral("cards.wav")); }
void TMainForm::PlayGreat() { play(QStringLiteral("great.wav")); }
void TMainForm::PlayClick() { play(QStringLiteral("click.wav")); }

void TMainForm::Sound1Click() { m_session.toggleSound(); }

// --- menu commands ---

void TMainForm::New1Click()
{
    m_stepper.cancel();
    m_session.round.newGame();
    m_hintAsked = false;
    setHint({});
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

void TMainForm::prepareHints()
{
    if (hintWorker().busy() || m_hintsReady)
        return;
    hintWorker().start<bool>(
        [](const THintWorker::Cancelled &) {
            prepareAdvisor();
            return true;
        },
        [this](bool) { hintsReady(); });
}

void TMainForm::hintsReady()
{
    m_hintsReady = true;
    if (m_hintAsked) {
        m_hintAsked = false;
        if (m_session.round.holding() && !m_session.round.dealing())
            giveHint();
    }
}

void TMainForm::Hint1Click()
{
    if (m_session.round.dealing())
        return; // the cards are on their way
    if (!m_session.round.holding()) {
        setHint(tr("Deal first: a hint is given between the two deals."));
        return;
    }
    if (!m_hintsReady) {
        m_hintAsked = true;
        setHint(tr("Working out the hint..."));
        prepareHints();
        return;
    }
    giveHint();
}

void TMainForm::giveHint() { setHint(m_session.takeHint()); }

void TMainForm::setHint(const QString &text) { setStatus(text); }

void TMainForm::About1Click()
{
    if (!m_aboutBox && m_makeAboutBox)
        m_aboutBox = m_makeAboutBox();
    if (m_aboutBox)
        m_platform.messages.exec(*m_aboutBox);
    backToTable();
}

void TMainForm::Payoffs1Click()
{
    if (!m_payoffsForm && m_makePayoffsForm)
        m_payoffsForm = m_makePayoffsForm();
    if (m_payoffsForm)
        m_platform.messages.exec(*m_payoffsForm);
    backToTable();
}

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
        m_platform.messages.show(this, platform::MsgIcon::Error, refusalText(Refusal::InvalidValue, m_session.round.Credits()), platform::Ok);
        backToTable();
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
    const Round::Dealing dealing = m_session.round.deal(cpEdit->Value());
    if (dealing.refused != Refusal::None) {
        if (const QString text = refusalText(dealing.refused, m_session.round.Credits()); !text.isEmpty())
            m_platform.messages.show(this, platform::MsgIcon::Warning, text, platform::Ok);
        backToTable();
        return;
    }
    m_hintAsked = false;
    setHint({});
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
    if (result.gameOver)
        afterThisEvent([this] { askToRestart(); });
}

void TMainForm::askToRestart()
{
    const platform::MsgButton answer =
        m_platform.messages.show(this, platform::MsgIcon::Confirmation,
                                 tr("Sorry, end of game.\rDo you want to restart?"), platform::Yes | platform::No);
    if (answer == platform::Yes) {
        New1Click();
        backToTable();
    } else {
        // exit, not quit: quit closes the window first, and its close
        // handler would save the settings.
        m_terminated = true;
        QCoreApplication::exit(0);
    }
}

} // namespace poker
