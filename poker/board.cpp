#include "poker/mainform.h"

#include "controls/formkit.h"
#include "controls/numedit.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

// The table as the window shows it: its controls where the form has them,
// and each of them drawn from the round.
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

} // namespace

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
        box->setAccessibleName(tr("Keep card %1").arg(i + 1));
        box->setEnabled(false);
        // Toggled, not clicked: a screen reader's toggle keeps the card too.
        connect(box, &QCheckBox::toggled, this, [this, i] { cardClick(i); });
        *boxFields[i] = box;
        //: Shown under a card the player keeps for the second deal.
        *labelFields[i] = whiteLabel(table, tr("Keep"), 48 + 80 * i, 127, 11);
    }

    Comment = whiteLabel(table, tr("Good luck!"), 20, 160, 13);
    cwLabel = whiteLabel(table, tr("Credits won: 0"), 228, 160, 13);

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
    //: The button that plays all credits.
    PlayAll = button(tr("All"), 245, 60, &TMainForm::PlayAllClick);
    PlayAll->setAccessibleName(tr("Play all credits"));

    DealButton = new QToolButton(table);
    DealButton->setText(tr("Deal"));
    DealButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    DealButton->setFocusPolicy(Qt::StrongFocus);
    DealButton->setGeometry(327, 204, 83, 56);
    DealButton->setFont(boldFont(12));
    connect(DealButton, &QToolButton::clicked, this, &TMainForm::DealButtonClick);

    PlayAllCheck = new QCheckBox(tr("Always play all credits"), table);
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

    tcLabel = whiteLabel(table, tr("Total credits: 100"), 20, 294, 13);
    cpLabel = whiteLabel(table, tr("Credits played:"), 228, 294, 13);

    cpEdit = new TNumEdit(table, &m_platform.messages);
    cpEdit->SetDecimalDigits(0);
    cpEdit->SetDisplayFormat(QStringLiteral("0"));
    cpEdit->SetMaxValue(1e99L);
    cpEdit->SetMinValue(-1e99L);
    cpEdit->SetValue(0);
    cpEdit->setGeometry(356, 292, 56, 21);
    cpEdit->setFont(boldFont(13));
    formkit::setTextColor(cpEdit, clBlue);
    cpEdit->setAccessibleName(tr("Credits played"));
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

void TMainForm::showCards()
{
    const auto table = cards();
    const Hand &hand = m_session.round.hand();
    for (int i = 0; i < HandSize; ++i) {
        TCard *card = table[std::size_t(i)];
        // Turned first, so a card about to be replaced never shows its new face early.
        if (m_session.round.faceDown(i)) {
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
        const bool kept = m_session.round.kept()[std::size_t(i)];
        const QSignalBlocker shownOnly(boxes[std::size_t(i)]);
        boxes[std::size_t(i)]->setChecked(kept);
        boxes[std::size_t(i)]->setEnabled(m_session.round.holding());
        table[std::size_t(i)]->setKept(kept);
    }
}

void TMainForm::showControls()
{
    const bool betting = m_session.round.betting();
    for (QWidget *w : std::initializer_list<QWidget *>{PlusOne, MinusOne, PlusTen, MinusTen, PlayAll, cpEdit})
        w->setEnabled(betting);
    DealButton->setEnabled(!m_session.round.dealing());
    tcLabel->setText(tr("Total credits: %1").arg(QString::number(m_session.round.Credits())));
    fitText(tcLabel);
}

// Showing a value the edit already shows changes nothing, so the edit
// reports back only a bet it did not show.
void TMainForm::showBet() { cpEdit->SetValue(m_session.round.Bet()); }

void TMainForm::setDeck(TDecks deck)
{
    for (TCard *card : cards())
        card->SetDeckType(deck);
}

QColor TMainForm::tableColour() const { return table->palette().color(QPalette::Window); }

void TMainForm::setTableColor(const QColor &color)
{
    QPalette p = table->palette();
    p.setColor(QPalette::Window, color);
    table->setPalette(p);
    table->update(); // the cards' corners follow on their next paint
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

} // namespace poker
