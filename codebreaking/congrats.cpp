#include "codebreaking/congrats.h"

#include "codebreaking/bp.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace codebreaking {

TCongratulations::TCongratulations(platform::Platform &platform, const GameState &game, TBestPlayers &bestPlayers,
                                   QWidget *parent)
    : formkit::Dialog(parent), m_platform(platform), m_game(game), m_bestPlayers(bestPlayers)
{
    formkit::setUpDialog(this, QStringLiteral("Congratulations"), tr("Congratulations"), 260, 130);
    Label1 = formkit::label(this, tr("Your score is one of the best five !"), QRect(12, 10, 236, 18),
                            Qt::AlignHCenter);
    Label1->setFont(formkit::font(11, true));
    Label2 = formkit::label(this, tr("Please enter your name:"), QRect(12, 34, 236, 16));
    Edit1 = formkit::lineField(this, QRect(12, 52, 236, 21), MaxNameLength);
    Label2->setBuddy(Edit1);

    BitBtn1 = formkit::button(this, tr("OK"), QRect(40, 92, 80, 25));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TCongratulations::BitBtn1Click);
    BitBtn2 = formkit::button(this, tr("Cancel"), QRect(140, 92, 80, 25));
    connect(BitBtn2, &QPushButton::clicked, this, &TCongratulations::BitBtn2Click);
    setTabOrder(Edit1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
}

void TCongratulations::FormActivate() { Edit1->setFocus(); }

void TCongratulations::BitBtn1Click()
{
    QString bad;
    const int place = findPlace(m_bestPlayers.records().table, m_game.Line, m_game.Seconds, &bad);
    if (place < 0) {
        // A row above the result is not a number: nothing is recorded.
        accept();
        m_platform.messages.show(parentWidget(), platform::MsgIcon::Error, conversionError(bad), platform::Ok);
        return;
    }
    if (place > 0)
        m_bestPlayers.enterAt(place, {Edit1->text(), QString::number(m_game.Line), QString::number(m_game.Seconds)});
    // The table opens from here; this box stays behind it until it closes.
    m_platform.messages.exec(m_bestPlayers);
    accept();
}

void TCongratulations::BitBtn2Click() { reject(); }

} // namespace codebreaking
