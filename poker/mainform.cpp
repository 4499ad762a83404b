#include "poker/mainform.h"

#include "assets/cartova/cards.h"
#include "controls/formkit.h"
#include "controls/numedit.h"
#include "poker/advisor.h"
#include "poker/payoffs.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>

using formkit::centreOnScreen;

namespace poker {

namespace {

QFont boldFont(int pixels) { return formkit::font(pixels, true); }

QLabel *whiteLabel(QWidget *parent, const QString &text, int x, int y, int pixels)
{
    QLabel *label = formkit::label(parent, text, QRect(x, y, 0, 0));
    label->setFont(boldFont(pixels));
    formkit::setTextColor(label, clWhite);
    label->adjustSize();
    return label;
}

// A card's rank as its corner shows it.
QString rankShown(TCardValue value)
{
    static const char *const ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    return QLatin1String(ranks[clampValue(value) - 1]);
}

} // namespace

TMainForm::TMainForm(platform::Platform &platform, QWidget *parent)
    : TGameWindow(platform, parent), m_round(platform.random)
{
    cartova_assets::registerPictures();
    setWindowTitle(QStringLiteral("Cartova"));
    buildMenus();
    buildTable();
    // The status line, under the table: the hint in words, on two lines
    // when it needs them.
    setBoard(table, 2 * fontMetrics().height() + 4);
    setButtonPicture(PlayAll, QStringLiteral("ALL"), QSize(16, 16));
    setButtonPicture(DealButton, QStringLiteral("DEAL"), QSize(28, 24));
    hintLabel = statusLine();
    FormCreate();
}

// The tables being built for the hints are process-wide: they are left
// whole, whatever the moment the window goes.
TMainForm::~TMainForm() = default;

void TMainForm::buildMenus()
{
    MainMenu1 = new QMenuBar(this);
    setMenuBar(MainMenu1);

    Game1 = MainMenu1->addMenu(QStringLiteral("&Game"));
    New1 = Game1->addAction(QStringLiteral("&New"), this, &TMainForm::New1Click);
    Hint1 = Game1->addAction(QStringLiteral("&Hint"), this, &TMainForm::Hint1Click);
    Hint1->setShortcut(QKeySequence(Qt::Key_H));
    N2 = Game1->addSeparator();
    Exit1 = Game1->addAction(QStringLiteral("&Exit"), this, &TMainForm::Exit1Click);

    Options1 = MainMenu1->addMenu(QStringLiteral("&Options"));
    Sound1 = Options1->addAction(QStringLiteral("&Sound"));
    Sound1->setCheckable(true);
    Sound1->setChecked(true);
    // The action checks itself on a click; the handler owns the toggle.
    connect(Sound1, &QAction::triggered, this, [this] {
        Sound1->setChecked(!Sound1->isChecked());
        Sound1Click();
    });

    DeckMenu1 = Options1->addMenu(QStringLiteral("&Deck"));
    auto *decks = new QActionGroup(this);
    Beach1 = DeckMenu1->addAction(QStringLiteral("&Beach"), this, &TMainForm::Beach1Click);
    MFishes1 = DeckMenu1->addAction(QStringLiteral("&Fishes"), this, &TMainForm::MFishes1Click);
    Standard11 = DeckMenu1->addAction(QStringLiteral("Standard &1"), this, &TMainForm::Standard11Click);
    Standard21 = DeckMenu1->addAction(QStringLiteral("Standard &2"), this, &TMainForm::Standard21Click);
    for (QAction *a : {Beach1, MFishes1, Standard11, Standard21}) {
        a->setCheckable(true);
        decks->addAction(a);
    }
    Beach1->setChecked(true);

    Background1 = Options1->addMenu(QStringLiteral("&Background"));
    auto *colours = new QActionGroup(this);
    Green1 = Background1->addAction(QStringLiteral("&Green"), this, &TMainForm::Green1Click);
    Blue1 = Background1->addAction(QStringLiteral("&Blue"), this, &TMainForm::Blue1Click);
    Red1 = Background1->addAction(QStringLiteral("&Red"), this, &TMainForm::Red1Click);
    Gray1 = Background1->addAction(QStringLiteral("&Gray"), this, &TMainForm::Gray1Click);
    for (QAction *a : {Green1, Blue1, Red1, Gray1}) {
        a->setCheckable(true);
        colours->addAction(a);
    }
    Green1->setChecked(true);

    N3 = MainMenu1->addMenu(QStringLiteral("&?"));
    Payoffs1 = N3->addAction(QStringLiteral("&Payoffs"), this, &TMainForm::Payoffs1Click);
    Rules1 = N3->addAction(QStringLiteral("&Rules"), this, &TMainForm::Rules1Click);
    N4 = N3->addSeparator();
    About1 = N3->addAction(QStringLiteral("&About..."), this, &TMainForm::About1Click);
}

void TMainForm::buildTable()
{
    table = new QWidget(this);
    table->resize(428, 330);
    table->setAutoFillBackground(true);
    QPalette p = table->palette();
    p.setColor(QPalette::Window, QColor(0, 128, 0));
    table->setPalette(p);

    Bevel1 = new QFrame(table);
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(0, 0, 428, 2);

    TCard **cardFields[] = {&Card1, &Card2, &Card3, &Card4, &Card5};
    QLabel **labelFields[] = {&Label1, &Label2, &Label3, &Label4, &Label5};
    QCheckBox **boxFields[] = {&cb1, &cb2, &cb3, &cb4, &cb5};
    void (TMainForm::*clicks[])() = {&TMainForm::Card1Click, &TMainForm::Card2Click, &TMainForm::Card3Click,
                                     &TMainForm::Card4Click, &TMainForm::Card5Click};
    for (int i = 0; i < 5; ++i) {
        TCard *card = new TCard(table, m_platform.random);
        card->move(20 + 80 * i, 20);
        card->SetValue(1);
        card->SetSuit(TCardSuit::Hearts);
        card->SetShowDeck(true);
        card->SetDeckType(TDecks::Beach);
        connect(card, &TCard::OnClick, this, clicks[i]);
        *cardFields[i] = card;
    }
    for (int i = 0; i < 5; ++i) {
        auto *box = new QCheckBox(table);
        box->setGeometry(30 + 80 * i, 125, 15, 17);
        box->setAccessibleName(QStringLiteral("Keep card %1").arg(i + 1));
        box->setEnabled(false);
        // Toggled, not clicked: a screen reader's toggle keeps the card too.
        connect(box, &QCheckBox::toggled, this, [this, i] { cardClick(i); });
        *boxFields[i] = box;
        *labelFields[i] = whiteLabel(table, QStringLiteral("Keep"), 48 + 80 * i, 127, 11);
    }

    Comment = whiteLabel(table, QStringLiteral("Good luck!"), 20, 160, 13);
    cwLabel = whiteLabel(table, QStringLiteral("Credits won: 0"), 228, 160, 13);

    Panel1 = new QFrame(table);
    Panel1->setFrameShape(QFrame::HLine);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(20, 190, 391, 3);
    Panel2 = new QFrame(table);
    Panel2->setFrameShape(QFrame::HLine);
    Panel2->setFrameShadow(QFrame::Sunken);
    Panel2->setGeometry(20, 272, 391, 3);

    auto button = [this](const QString &caption, int x, int w, void (TMainForm::*handler)()) {
        auto *b = new QPushButton(caption, table);
        b->setGeometry(x, 204, w, 26);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    PlusOne = button(QStringLiteral("+1"), 21, 49, &TMainForm::PlusOneClick);
    MinusOne = button(QStringLiteral("-1"), 77, 49, &TMainForm::MinusOneClick);
    PlusTen = button(QStringLiteral("+10"), 133, 49, &TMainForm::PlusTenClick);
    MinusTen = button(QStringLiteral("-10"), 189, 49, &TMainForm::MinusTenClick);
    PlayAll = button(QStringLiteral("All"), 245, 60, &TMainForm::PlayAllClick);
    PlayAll->setAccessibleName(QStringLiteral("Play all credits"));

    DealButton = new QToolButton(table);
    DealButton->setText(QStringLiteral("Deal"));
    DealButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    DealButton->setFocusPolicy(Qt::StrongFocus);
    DealButton->setGeometry(327, 204, 83, 56);
    DealButton->setFont(boldFont(12));
    connect(DealButton, &QToolButton::clicked, this, &TMainForm::DealButtonClick);

    PlayAllCheck = new QCheckBox(QStringLiteral("Always play all credits"), table);
    PlayAllCheck->setLayoutDirection(Qt::RightToLeft); // the caption stands left of the box
    PlayAllCheck->move(20, 240);
    PlayAllCheck->adjustSize();
    PlayAllCheck->resize(std::max(149, PlayAllCheck->width()), 17);
    {
        QPalette cp = PlayAllCheck->palette();
        cp.setColor(QPalette::WindowText, Qt::white);
        PlayAllCheck->setPalette(cp);
    }
    // Every change of the box, by the pointer, a key or a screen reader.
    connect(PlayAllCheck, &QCheckBox::toggled, this, &TMainForm::PlayAllClick);

    tcLabel = whiteLabel(table, QStringLiteral("Total credits: 100"), 20, 294, 13);
    cpLabel = whiteLabel(table, QStringLiteral("Credits played:"), 228, 294, 13);

    cpEdit = new TNumEdit(table, &m_platform.messages);
    cpEdit->SetDecimalDigits(0);
    cpEdit->SetDisplayFormat(QStringLiteral("0"));
    cpEdit->SetMaxValue(1e99L);
    cpEdit->SetMinValue(-1e99L);
    cpEdit->SetValue(0);
    cpEdit->setGeometry(356, 292, 56, 21);
    cpEdit->setFont(boldFont(13));
    {
        QPalette ep = cpEdit->palette();
        ep.setColor(QPalette::Text, Qt::blue);
        cpEdit->setPalette(ep);
    }
    cpEdit->setAccessibleName(QStringLiteral("Credits played"));
    connect(cpEdit, &TNumEdit::OnChange, this, &TMainForm::CpEditChange);

    setTabOrder(cb1, cb2);
    setTabOrder(cb2, cb3);
    setTabOrder(cb3, cb4);
    setTabOrder(cb4, cb5);
    setTabOrder(cb5, PlusOne);
    setTabOrder(PlusOne, MinusOne);
    setTabOrder(MinusOne, PlusTen);
    setTabOrder(PlusTen, MinusTen);
    setTabOrder(MinusTen, PlayAll);
    setTabOrder(PlayAll, DealButton);
    setTabOrder(DealButton, PlayAllCheck);
    setTabOrder(PlayAllCheck, cpEdit);
    DealButton->setFocus();
}

void TMainForm::FormCreate()
{
    openSettings(QString::fromUtf16(SettingsFileName));
    const CartovaOptions options = readSettings(settingsFile());
    // The table is not on the screen yet: the box stands alone, centred.
    reportSettingsProblems();
    Sound1->setChecked(options.sound);
    switch (options.deck.value_or(DeckChoice::Beach)) {
    case DeckChoice::Std1: Standard11Click(); break;
    case DeckChoice::Std2: Standard21Click(); break;
    case DeckChoice::Fishes: MFishes1Click(); break;
    case DeckChoice::Beach: Beach1Click(); break;
    }
    switch (options.table) {
    case TableChoice::Green: Green1Click(); break;
    case TableChoice::Blue: Blue1Click(); break;
    case TableChoice::Red: Red1Click(); break;
    case TableChoice::Gray: Gray1Click(); break;
    }
    m_platform.random.randomize();
    New1Click();
}

CartovaOptions TMainForm::currentOptions() const
{
    CartovaOptions options;
    options.sound = Sound1->isChecked();
    options.deck = Standard11->isChecked()   ? std::optional(DeckChoice::Std1)
                   : Standard21->isChecked() ? std::optional(DeckChoice::Std2)
                   : MFishes1->isChecked()   ? std::optional(DeckChoice::Fishes)
                   : Beach1->isChecked()     ? std::optional(DeckChoice::Beach)
                                             : std::nullopt;
    options.table = Green1->isChecked()  ? TableChoice::Green
                    : Blue1->isChecked() ? TableChoice::Blue
                    : Red1->isChecked()  ? TableChoice::Red
                                         : TableChoice::Gray;
    return options;
}

void TMainForm::FormClose()
{
    const CartovaOptions options = currentOptions();
    saveSettings([&options](platform::SettingsFile &file) { writeKeys(file, options); },
                 QStringLiteral("\n\nThe options of this game were not kept."));
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
        centreOnScreen(this);
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
    platform::playWhileChecked(m_platform.sound, *Sound1, sound, platform::FailedSound::Disabled);
}

void TMainForm::PlayMoney() { play(QStringLiteral("money.wav")); }
void TMainForm::PlayCards() { play(QStringLiteral("cards.wav")); }
void TMainForm::PlayGreat() { play(QStringLiteral("great.wav")); }
void TMainForm::PlayClick() { play(QStringLiteral("click.wav")); }

void TMainForm::Sound1Click() { Sound1->setChecked(!Sound1->isChecked()); }

// --- menu commands ---

void TMainForm::New1Click()
{
    m_stepper.cancel();
    m_round.newGame();
    m_hintAsked = false;
    setHint({});
    showControls();
    showBet();
    if (PlayAllCheck->isChecked())
        PlayAllClick();
    DealButton->setText(QStringLiteral("Deal"));
    cwLabel->hide();
    SetComment(QStringLiteral("Good luck!"));
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
        if (m_round.holding() && !m_round.dealing())
            giveHint();
    }
}

void TMainForm::Hint1Click()
{
    if (m_round.dealing())
        return; // the cards are on their way
    if (!m_round.holding()) {
        setHint(QStringLiteral("Deal first: a hint is given between the two deals."));
        return;
    }
    if (!m_hintsReady) {
        m_hintAsked = true;
        setHint(QStringLiteral("Working out the hint..."));
        prepareHints();
        return;
    }
    giveHint();
}

void TMainForm::giveHint()
{
    const KeepAdvice advice = adviseKeep(m_round.hand());
    // As the player would: a click on each card whose keep differs.
    for (int i = 0; i < HandSize; ++i)
        if (m_round.kept()[std::size_t(i)] != advice.keep[std::size_t(i)])
            cardClick(i);
    setHint(hintText(m_round.hand(), advice.keep, advice.expected));
}

QString TMainForm::hintText(const Hand &hand, const KeepFlags &keep, double expected)
{
    QStringList ranks;
    for (int i = 0; i < HandSize; ++i)
        if (keep[std::size_t(i)])
            ranks << rankShown(hand[std::size_t(i)].value);
    const QString what = ranks.isEmpty()            ? QStringLiteral("nothing")
                         : ranks.size() == HandSize ? QStringLiteral("all five")
                                                    : ranks.join(u' ');
    return QStringLiteral("Keep %1: expect %2 times the bet.").arg(what, QLocale().toString(expected, 'f', 2));
}

void TMainForm::setHint(const QString &text) { setStatus(text); }

void TMainForm::About1Click()
{
    if (m_aboutBox)
        m_platform.messages.exec(*m_aboutBox);
    backToTable();
}

void TMainForm::Payoffs1Click()
{
    if (m_payoffsForm)
        m_platform.messages.exec(*m_payoffsForm);
    backToTable();
}

void TMainForm::Rules1Click() { m_platform.help.showTopic(QStringLiteral("rules")); }

// --- deck and table colour ---

void TMainForm::setDeck(TDecks deck)
{
    for (TCard *card : cards())
        card->SetDeckType(deck);
}

void TMainForm::Beach1Click()
{
    Beach1->setChecked(true);
    setDeck(TDecks::Beach);
}

void TMainForm::MFishes1Click()
{
    MFishes1->setChecked(true);
    setDeck(TDecks::Fishes1);
}

void TMainForm::Standard11Click()
{
    Standard11->setChecked(true);
    setDeck(TDecks::Standard1);
}

void TMainForm::Standard21Click()
{
    Standard21->setChecked(true);
    setDeck(TDecks::Standard2);
}

QColor TMainForm::tableColour() const { return table->palette().color(QPalette::Window); }

void TMainForm::setTableColor(const QColor &color)
{
    QPalette p = table->palette();
    p.setColor(QPalette::Window, color);
    table->setPalette(p);
    table->update(); // the cards' corners follow on their next paint
}

void TMainForm::Green1Click()
{
    setTableColor(poker::tableColor(TableChoice::Green));
    Green1->setChecked(true);
}

void TMainForm::Blue1Click()
{
    setTableColor(poker::tableColor(TableChoice::Blue));
    Blue1->setChecked(true);
}

void TMainForm::Red1Click()
{
    setTableColor(poker::tableColor(TableChoice::Red));
    Red1->setChecked(true);
}

void TMainForm::Gray1Click()
{
    setTableColor(poker::tableColor(TableChoice::Gray));
    Gray1->setChecked(true);
}

// --- the bet ---

void TMainForm::CpEditChange()
{
    if (m_round.enterBet(cpEdit->text()) == Refusal::InvalidValue) {
        m_platform.messages.show(this, platform::MsgIcon::Error, refusalText(Refusal::InvalidValue, m_round.Credits()), platform::Ok);
        backToTable();
    }
}

void TMainForm::PlusOneClick()
{
    m_round.plusOne();
    showBet();
}

void TMainForm::MinusOneClick()
{
    m_round.minusOne();
    showBet();
}

void TMainForm::PlusTenClick()
{
    m_round.plusTen();
    showBet();
}

void TMainForm::MinusTenClick()
{
    m_round.minusTen();
    showBet();
}

void TMainForm::PlayAllClick()
{
    m_round.playAll();
    showBet();
}

// Showing a value the edit already shows changes nothing, so the edit
// reports back only a bet it did not show.
void TMainForm::showBet() { cpEdit->SetValue(m_round.Bet()); }

// --- keeping cards ---

void TMainForm::cardClick(int index)
{
    m_round.toggleKeep(index);
    showKeeps(); // also puts back a box clicked while the round ignores it
}

// --- what the table shows ---

void TMainForm::showCards()
{
    const auto table = cards();
    const Hand &hand = m_round.hand();
    for (int i = 0; i < HandSize; ++i) {
        TCard *card = table[std::size_t(i)];
        // Turned first, so a card about to be replaced never shows its new face early.
        if (m_round.faceDown(i)) {
            card->SetShowDeck(true);
            card->setCard(hand[std::size_t(i)]);
        } else {
            card->setCard(hand[std::size_t(i)]);
            card->SetShowDeck(false);
        }
    }
}

void TMainForm::showKeeps()
{
    const auto boxes = keepBoxes();
    const auto table = cards();
    for (int i = 0; i < HandSize; ++i) {
        const bool kept = m_round.kept()[std::size_t(i)];
        const QSignalBlocker shownOnly(boxes[std::size_t(i)]);
        boxes[std::size_t(i)]->setChecked(kept);
        boxes[std::size_t(i)]->setEnabled(m_round.holding());
        table[std::size_t(i)]->setKept(kept);
    }
}

void TMainForm::showControls()
{
    const bool betting = m_round.betting();
    for (QWidget *w : std::initializer_list<QWidget *>{PlusOne, MinusOne, PlusTen, MinusTen, PlayAll, cpEdit})
        w->setEnabled(betting);
    DealButton->setEnabled(!m_round.dealing());
    tcLabel->setText(QStringLiteral("Total credits: ") + QString::number(m_round.Credits()));
    fitText(tcLabel);
}

// --- the deal ---

void TMainForm::DealButtonClick()
{
    if (m_round.dealing())
        return; // the button is off until the cards are down
    PlayClick();
    const Round::Dealing dealing = m_round.deal(cpEdit->Value());
    if (dealing.refused != Refusal::None) {
        if (const QString text = refusalText(dealing.refused, m_round.Credits()); !text.isEmpty())
            m_platform.messages.show(this, platform::MsgIcon::Warning, text, platform::Ok);
        backToTable();
        return;
    }
    m_hintAsked = false;
    setHint({});
    // Disabling the focused button hands the focus on; it comes back after the deal.
    m_dealHadFocus = DealButton->hasFocus();
    if (m_round.NextDeal() == 1)
        cwLabel->hide();
    showControls();
    showCards();
    // The turned-down cards stay in sight for a moment before the new ones come.
    const int pause = dealing.turnedDown && isVisible() ? m_dealPauseMs : 0;
    m_stepper.start({{{}, pause}}, [this] { dealArrives(); });
}

void TMainForm::dealArrives()
{
    m_round.draw();
    showCards();
    DealButton->setText(m_round.NextDeal() == 1 ? QStringLiteral("Deal n. 2") : QStringLiteral("Deal n. 1"));
    CalculatePoints();
    showControls();
    showKeeps();
    if (m_round.betting() && PlayAllCheck->isChecked())
        PlayAllClick();
    if (m_dealHadFocus)
        DealButton->setFocus(Qt::OtherFocusReason);
}

void TMainForm::fitText(QLabel *label)
{
    label->adjustSize();
    formScale().refit(label);
}

void TMainForm::SetComment(const QString &text)
{
    Comment->setText(text);
    fitText(Comment);
}

void TMainForm::CalculatePoints()
{
    const Round::Settlement result = m_round.settle();
    SetComment(QString::fromLatin1(result.payoff->comment));
    if (result.sound == SoundClass::Great)
        PlayGreat();
    else if (result.sound == SoundClass::Money)
        PlayMoney();

    if (result.settled) {
        cwLabel->setText(result.won == 0 ? QStringLiteral("You lost your bet.")
                                         : QStringLiteral("Credits won: ") + QString::number(result.won));
        fitText(cwLabel);
        cwLabel->show();
        tcLabel->setText(QStringLiteral("Total credits: ") + QString::number(result.credits));
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
                                 QStringLiteral("Sorry, end of game.\rDo you want to restart?"), platform::Yes | platform::No);
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
