#include "codebreaking/top.h"

#include "codebreaking/bp.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace codebreaking {

TTopScore::TTopScore(platform::Platform &platform, const GameState &game, TBestPlayers &bestPlayers, QWidget *parent)
    : formkit::Dialog(parent), m_platform(platform), m_game(game), m_bestPlayers(bestPlayers)
{
    formkit::setUpDialog(this, QStringLiteral("TopScore"), tr("Congratulations"), 260, 176);
    Label1 =
        formkit::label(this, tr("Your score is the best one !"), QRect(12, 10, 236, 18), Qt::AlignHCenter);
    Label1->setFont(formkit::font(11, true));
    Label2 = formkit::label(this, tr("Please enter your name..."), QRect(12, 34, 236, 16));
    Edit1 = formkit::lineField(this, QRect(12, 52, 236, 21), MaxNameLength);
    Label3 = formkit::label(this, tr("...and your Words of Wisdom:"), QRect(12, 80, 236, 16));
    Edit2 = formkit::lineField(this, QRect(12, 98, 236, 21), MaxWordsLength);
    Label2->setBuddy(Edit1);
    Label3->setBuddy(Edit2);

    BitBtn1 = formkit::button(this, tr("OK"), QRect(40, 138, 80, 25));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TTopScore::BitBtn1Click);
    BitBtn2 = formkit::button(this, tr("Cancel"), QRect(140, 138, 80, 25));
    connect(BitBtn2, &QPushButton::clicked, this, &TTopScore::BitBtn2Click);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
}

void TTopScore::FormActivate() { Edit1->setFocus(); }

void TTopScore::BitBtn1Click()
{
    m_bestPlayers.enterAt(1, {Edit1->text(), QString::number(m_game.Line), QString::number(m_game.Seconds)});
    m_bestPlayers.setWordsOfWisdom(Edit2->text());
    // The table opens from here; this box stays behind it until it closes.
    m_platform.messages.exec(m_bestPlayers);
    accept();
}

void TTopScore::BitBtn2Click() { reject(); }

} // namespace codebreaking
