#include "poker/mainform.h"

#include "assets/cartova/cards.h"
#include "controls/numedit.h"
#include "controls/placement.h"
#include "poker/payoffs.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace poker {

namespace {

QFont boldFont(int pixels)
{
    QFont f;
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

QLabel *whiteLabel(QWidget *parent, const QString &text, int x, int y, int pixels)
{
    auto *label = new QLabel(text, parent);
    label->setFont(boldFont(pixels));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

TMainForm::TMainForm(platform::Platform &platform, QWidget *parent) : QMainWindow(parent), m_platform(platform)
{
    cartova_assets::registerPictures();
    setWindowTitle(QStringLiteral("Cartova"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    buildMenus();
    buildTable();
    setFixedSize(sizeHint());
    FormCreate();
}

void TMainForm::buildMenus()
{
    MainMenu1 = new QMenuBar(this);
    setMenuBar(MainMenu1);

    Game1 = MainMenu1->addMenu(QStringLiteral("&Game"));
    New1 = Game1->addAction(QStringLiteral("&New"), this, &TMainForm::New1Click);
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
    N4 = N3->addSeparator();
    About1 = N3->addAction(QStringLiteral("&About..."), this, &TMainForm::About1Click);
}

void TMainForm::buildTable()
{
    table = new QWidget(this);
    table->setFixedSize(428, 330);
    table->setAutoFillBackground(true);
    QPalette p = table->palette();
    p.setColor(QPalette::Window, QColor(0, 128, 0));
    table->setPalette(p);
    setCentralWidget(table);

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
        TCard *card = *cardFields[i];
        connect(box, &QCheckBox::toggled, card, &TCard::SetKept);
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
    PlayAll->setIcon(QIcon(platform::resources::picture(QStringLiteral("ALL"))));
    PlayAll->setAccessibleName(QStringLiteral("Play all credits"));

    DealButton = new QToolButton(table);
    DealButton->setText(QStringLiteral("Deal"));
    DealButton->setIcon(QIcon(platform::resources::picture(QStringLiteral("DEAL"))));
    DealButton->setIconSize(QSize(28, 24));
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
    connect(PlayAllCheck, &QCheckBox::clicked, this, &TMainForm::PlayAllClick);

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
    m_settingsPath = cartovaSettingsPath();
    QString error;
    const CartovaOptions options = readOptions(m_settingsPath, &error);
    // The table is not on the screen yet: the box stands alone, centred.
    if (!error.isEmpty())
        m_platform.messages.show(nullptr, platform::MsgIcon::Error,
                                 error + QStringLiteral("\n\nThe game starts with its usual options."), platform::Ok);
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
    QString error;
    if (!writeOptions(m_settingsPath, currentOptions(), &error))
        m_platform.messages.show(this, platform::MsgIcon::Error,
                                 error + QStringLiteral("\n\nThe options of this game were not kept."), platform::Ok);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // A player who stopped at the end of a game leaves the settings as
    // they were, however the window then goes.
    if (!m_terminated)
        FormClose();
    event->accept();
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        centreOnScreen(this);
    }
}

void TMainForm::keyPressEvent(QKeyEvent *event)
{
    // Deal is the window's default button: Return presses it, unless another
    // button has the focus, which Return then presses instead.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto *focused = qobject_cast<QAbstractButton *>(focusWidget());
        if (focused && !qobject_cast<QCheckBox *>(focused) && focused->isEnabled())
            focused->click();
        else if (DealButton->isEnabled())
            DealButton->click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// --- sounds ---

void TMainForm::play(const QString &sound)
{
    if (!Sound1->isChecked())
        return;
    if (!m_platform.sound.play(sound)) {
        Sound1->setChecked(false);
        Sound1->setEnabled(false);
    }
}

void TMainForm::PlayMoney() { play(QStringLiteral("money.wav")); }
void TMainForm::PlayCards() { play(QStringLiteral("cards.wav")); }
void TMainForm::PlayGreat() { play(QStringLiteral("great.wav")); }
void TMainForm::PlayClick() { play(QStringLiteral("click.wav")); }

void TMainForm::Sound1Click() { Sound1->setChecked(!Sound1->isChecked()); }

// --- menu commands ---

void TMainForm::New1Click()
{
    Credits = 100;
    NextDeal = 1;
    Bet = 0;
    setBetButtonsEnabled(true);
    cpEdit->setEnabled(true);
    tcLabel->setText(QStringLiteral("Total credits: 100"));
    tcLabel->adjustSize();
    cpEdit->SetValue(0);
    if (PlayAllCheck->isChecked())
        PlayAllClick();
    DealButton->setText(QStringLiteral("Deal"));
    cwLabel->hide();
    SetComment(QStringLiteral("Good luck!"));
    for (QCheckBox *box : keepBoxes()) {
        box->setChecked(false);
        box->setEnabled(false);
    }
    for (TCard *card : cards())
        card->SetShowDeck(true);
    PlayCards();
    GreatPlayed = false;
}

void TMainForm::Exit1Click() { close(); }

void TMainForm::About1Click()
{
    if (m_aboutBox)
        m_platform.messages.exec(*m_aboutBox);
}

void TMainForm::Payoffs1Click()
{
    if (m_payoffsForm)
        m_platform.messages.exec(*m_payoffsForm);
}

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

void TMainForm::setTableColour(const QColor &colour)
{
    QPalette p = table->palette();
    p.setColor(QPalette::Window, colour);
    table->setPalette(p);
    table->update(); // the cards' corners follow on their next paint
}

void TMainForm::Green1Click()
{
    setTableColour(poker::tableColour(TableChoice::Green));
    Green1->setChecked(true);
}

void TMainForm::Blue1Click()
{
    setTableColour(poker::tableColour(TableChoice::Blue));
    Blue1->setChecked(true);
}

void TMainForm::Red1Click()
{
    setTableColour(poker::tableColour(TableChoice::Red));
    Red1->setChecked(true);
}

void TMainForm::Gray1Click()
{
    setTableColour(poker::tableColour(TableChoice::Gray));
    Gray1->setChecked(true);
}

// --- the bet ---

void TMainForm::CpEditChange()
{
    const QString text = cpEdit->text();
    if (text.isEmpty())
        return;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) {
        m_platform.messages.show(this, platform::MsgIcon::Error, QStringLiteral("Invalid value."), platform::Ok);
        return;
    }
    Bet = value;
}

void TMainForm::PlusOneClick()
{
    if (Bet < Credits)
        ++Bet;
    cpEdit->SetValue(Bet);
}

void TMainForm::MinusOneClick()
{
    if (Bet > 1)
        --Bet;
    cpEdit->SetValue(Bet);
}

void TMainForm::PlusTenClick()
{
    if (std::int64_t(Bet) + 10 <= Credits)
        Bet += 10;
    else
        Bet = Credits;
    cpEdit->SetValue(Bet);
}

void TMainForm::MinusTenClick()
{
    if (Bet > 10)
        Bet -= 10;
    else
        Bet = 1;
    cpEdit->SetValue(Bet);
}

void TMainForm::PlayAllClick() { cpEdit->SetValue(Credits); }

void TMainForm::setBetButtonsEnabled(bool on)
{
    for (QWidget *w :
         {static_cast<QWidget *>(PlusOne), static_cast<QWidget *>(MinusOne), static_cast<QWidget *>(PlusTen),
          static_cast<QWidget *>(MinusTen), static_cast<QWidget *>(PlayAll)})
        w->setEnabled(on);
}

// --- keeping cards ---

void TMainForm::cardClick(int index)
{
    QCheckBox *box = keepBoxes()[std::size_t(index)];
    if (box->isEnabled())
        box->setChecked(!box->isChecked());
}

// --- the deal ---

Hand TMainForm::handOnTable() const
{
    Hand hand;
    const auto table = cards();
    for (int i = 0; i < HandSize; ++i)
        hand[std::size_t(i)] = table[std::size_t(i)]->card();
    return hand;
}

void TMainForm::pause()
{
    // The turned-down cards are on the screen already (every card write
    // paints at once); let the player see them before the new ones come.
    if (m_dealPauseMs <= 0 || !isVisible())
        return;
    QThread::msleep(static_cast<unsigned long>(m_dealPauseMs));
}

void TMainForm::DealButtonClick()
{
    PlayClick();
    const long double typed = cpEdit->Value();
    if (!(typed > 0)) {
        m_platform.messages.show(this, platform::MsgIcon::Warning, QStringLiteral("You must play at least 1 credit."),
                                 platform::Ok);
        return;
    }
    if (typed > Credits) {
        m_platform.messages.show(this, platform::MsgIcon::Warning, QStringLiteral("Credits played out of range."),
                                 platform::Ok);
        return;
    }
    // The bet just checked is the bet this deal plays and the settlement
    // takes, whatever the edit's last text change left in Bet.
    Bet = std::clamp<std::int32_t>(std::int32_t(std::floor(typed)), 1, Credits);

    // Disabling the focused button hands the focus on; it comes back after the deal.
    const bool dealHadFocus = DealButton->hasFocus();
    DealButton->setEnabled(false);
    const auto table = cards();
    if (NextDeal == 1) {
        GreatPlayed = false;
        cpEdit->setEnabled(false);
        cwLabel->hide();
        setBetButtonsEnabled(false);
        bool turned = false;
        for (TCard *card : table)
            if (!card->ShowDeck()) {
                card->SetShowDeck(true);
                turned = true;
            }
        if (turned)
            pause();
        Hand hand;
        DealHand(hand, m_platform.random);
        for (int i = 0; i < HandSize; ++i)
            table[std::size_t(i)]->SetCard(hand[std::size_t(i)]);
        for (TCard *card : table)
            card->SetShowDeck(false);
        for (QCheckBox *box : keepBoxes())
            box->setEnabled(true);
    } else {
        KeepFlags keep{};
        const auto boxes = keepBoxes();
        for (int i = 0; i < HandSize; ++i) {
            keep[std::size_t(i)] = boxes[std::size_t(i)]->isChecked();
            if (!keep[std::size_t(i)])
                table[std::size_t(i)]->SetShowDeck(true);
        }
        if (std::find(keep.begin(), keep.end(), false) != keep.end())
            pause();
        Hand hand = handOnTable();
        ReplaceCards(hand, keep, m_platform.random, [&](int i) {
            table[std::size_t(i)]->SetCard(hand[std::size_t(i)]);
            table[std::size_t(i)]->SetShowDeck(false);
        });
    }
    DealButton->setText(NextDeal == 1 ? QStringLiteral("Deal n. 2") : QStringLiteral("Deal n. 1"));
    CalculatePoints();
    if (NextDeal == 1)
        NextDeal = 2;
    else
        endOfHandReset();
    DealButton->setEnabled(true);
    if (dealHadFocus)
        DealButton->setFocus(Qt::OtherFocusReason);
}

void TMainForm::endOfHandReset()
{
    cpEdit->setEnabled(true);
    NextDeal = 1;
    for (QCheckBox *box : keepBoxes()) {
        box->setChecked(false);
        box->setEnabled(false);
    }
    setBetButtonsEnabled(true);
    if (PlayAllCheck->isChecked())
        PlayAllClick();
}

void TMainForm::SetComment(const QString &text)
{
    Comment->setText(text);
    Comment->adjustSize();
}

void TMainForm::CalculatePoints()
{
    const Payoff &row = EvaluateHand(handOnTable());
    SetComment(QString::fromLatin1(row.comment));
    if (row.sound == SoundClass::Great) {
        if (!GreatPlayed)
            PlayGreat();
        GreatPlayed = true;
    } else if (row.sound == SoundClass::Money) {
        PlayMoney();
    }
    // Wide enough for a royal flush on the whole bank.
    const std::int64_t win = std::int64_t(Bet) * row.multiplier;

    if (NextDeal == 2) {
        Credits -= std::min(Bet, Credits);
        if (win == 0) {
            cwLabel->setText(QStringLiteral("You lost your bet."));
        } else {
            Credits = std::int32_t(std::min<std::int64_t>(std::int64_t(Credits) + win, MaxCredits));
            cwLabel->setText(QStringLiteral("Credits won: ") + QString::number(win));
        }
        cwLabel->adjustSize();
        cwLabel->show();
        tcLabel->setText(QStringLiteral("Total credits: ") + QString::number(Credits));
        tcLabel->adjustSize();
        if (Bet > Credits) {
            Bet = Credits;
            cpEdit->SetValue(Credits);
        }
    }

    if (Credits == 0) {
        const platform::MsgButton answer = m_platform.messages.show(
            this, platform::MsgIcon::Confirmation, QStringLiteral("Sorry, end of game.\rDo you want to restart?"),
            platform::Yes | platform::No);
        if (answer == platform::Yes) {
            New1Click();
            NextDeal = 2;
        } else {
            // exit, not quit: quit closes the window first, and its close
            // handler would save the settings.
            m_terminated = true;
            QCoreApplication::exit(0);
        }
    }
}

} // namespace poker
