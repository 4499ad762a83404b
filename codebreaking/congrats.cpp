#include "codebreaking/congrats.h"

#include "codebreaking/bp.h"
#include "codebreaking/formkit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace codebreaking {

TCongratulations::TCongratulations(platform::Platform &platform, const GameState &game, TBestPlayers &bestPlayers,
                                   QWidget *parent)
    : QDialog(parent), m_platform(platform), m_game(game), m_bestPlayers(bestPlayers)
{
    formkit::setUpDialog(this, "Congratulations", QStringLiteral("Congratulations"), 260, 130);
    Label1 = formkit::label(this, "Label1", QStringLiteral("Your score is one of the best five !"),
                            QRect(12, 10, 236, 18), Qt::AlignHCenter);
    QFont bold = font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label2 = formkit::label(this, "Label2", QStringLiteral("Please enter your name:"), QRect(12, 34, 236, 16));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(12, 52, 236, 21);
    Edit1->setMaxLength(MaxNameLength);
    Label2->setBuddy(Edit1);

    BitBtn1 = formkit::button(this, "BitBtn1", QStringLiteral("OK"), QRect(40, 92, 80, 25));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TCongratulations::BitBtn1Click);
    BitBtn2 = formkit::button(this, "BitBtn2", QStringLiteral("Cancel"), QRect(140, 92, 80, 25));
    connect(BitBtn2, &QPushButton::clicked, this, &TCongratulations::BitBtn2Click);
    setTabOrder(Edit1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
}

void TCongratulations::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Edit1->setFocus();
    formkit::centreOnScreen(this);
}

void TCongratulations::BitBtn1Click()
{
    QString bad;
    const int place = FindPlace(m_bestPlayers.Records().Table, m_game.Line, m_game.Seconds, &bad);
    if (place < 0) {
        // A row above the result is not a number: nothing is recorded.
        accept();
        m_platform.messages.show(parentWidget(), platform::MsgIcon::Error, ConversionError(bad), platform::Ok);
        return;
    }
    if (place > 0)
        m_bestPlayers.EnterAt(place, {Edit1->text(), QString::number(m_game.Line), QString::number(m_game.Seconds)});
    // The table opens from here; this box stays behind it until it closes.
    m_platform.messages.exec(m_bestPlayers);
    accept();
}

void TCongratulations::BitBtn2Click() { reject(); }

} // namespace codebreaking
