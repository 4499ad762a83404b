#include "poker/payoffs.h"

#include "poker/hand.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace poker {

namespace {

// The names the table gives the winning hands, best first; what each pays
// comes from the rules themselves.
constexpr const char *HandNames[9] = {QT_TRANSLATE_NOOP("poker::TPayoffsForm", "Royal Flush"),
                                      QT_TRANSLATE_NOOP("poker::TPayoffsForm", "Straight Flush"),
                                      //: Four of a kind.
                                      QT_TRANSLATE_NOOP("poker::TPayoffsForm", "Poker"),
                                      //: A full house.
                                      QT_TRANSLATE_NOOP("poker::TPayoffsForm", "Full"),
                                      QT_TRANSLATE_NOOP("poker::TPayoffsForm", "Flush"),
                                      QT_TRANSLATE_NOOP("poker::TPayoffsForm", "Straight"),
                                      QT_TRANSLATE_NOOP("poker::TPayoffsForm", "3 of a kind"),
                                      QT_TRANSLATE_NOOP("poker::TPayoffsForm", "Two pair"),
                                      QT_TRANSLATE_NOOP("poker::TPayoffsForm", "Pair (Jacks or better)")};
constexpr int RowTops[9] = {20, 41, 61, 82, 103, 123, 144, 164, 185};
constexpr int LineTops[10] = {15, 35, 56, 76, 97, 118, 139, 159, 180, 200};

// A bold label the size of its text.
QLabel *rowLabel(QWidget *parent, const QString &text, TColor color, int left, int top)
{
    QLabel *label = formkit::label(parent, text, QRect(left, top, 0, 0));
    label->setFont(formkit::font(11, true));
    formkit::setTextColor(label, color);
    label->adjustSize();
    return label;
}

} // namespace

TPayoffsForm::TPayoffsForm(QWidget *parent) : formkit::Dialog(parent)
{
    formkit::setUpDialog(this, QStringLiteral("PayoffsForm"), tr("Payoffs"), 196, 250);
    // The table keeps the desktop's own font, not the dialogs' small one.
    setFont(QFont());

    Bevel1 = formkit::frame(this, QFrame::Box | QFrame::Sunken, QRect(5, 5, 186, 206));
    for (int i = 0; i < 10; ++i)
        lines[std::size_t(i)] = formkit::frame(this, QFrame::HLine | QFrame::Sunken, QRect(15, LineTops[i], 166, 2));

    const auto &table = PayoffTable();
    for (int i = 0; i < 9; ++i) {
        // The three best hands stand out in bright blue.
        const TColor color = i < 3 ? clBlue : clNavy;
        const QString name = tr(HandNames[i]);
        QLabel *hand = rowLabel(this, name, color, 20, RowTops[i]);
        QLabel *pays =
            //: The multiplier of the bet a hand pays.
            rowLabel(this, tr("X %1").arg(table[std::size_t(i)].multiplier), color, 0, RowTops[i]);
        pays->move(176 - pays->width(), RowTops[i]); // right-aligned near the frame's edge
        pays->setAccessibleName(
            //: %1 is a hand's name, %n the multiplier.
            tr("%1 pays %n times the bet", nullptr, table[std::size_t(i)].multiplier).arg(name));
        handLabels[std::size_t(i)] = hand;
        multiplierLabels[std::size_t(i)] = pays;
    }

    Button1 = formkit::button(this, tr("Close"), QRect(116, 220, 75, 25));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TPayoffsForm::Button1Click);
}

void TPayoffsForm::Button1Click() { accept(); }

} // namespace poker
