#include "dice/myabout.h"

#include "dice/dice.h"
#include "platform/platform.h"

#include <QLabel>

namespace kubolo {

TAboutBox1::TAboutBox1(platform::Platform &platform, QWidget *parent) : TAboutBox(platform, parent)
{
    setObjectName(QStringLiteral("AboutBox1"));
    //: %1 is the game's name.
    setWindowTitle(tr("About %1").arg(QStringLiteral("Kubolo")));
    setClientWidth(285);
    describeGame(QStringLiteral("Kubolo"), 68, tr("Version 3.3"), tr("Last modify: 30-6-97"), 95);

    // Face 1 until the first click: nothing rolls it on creation or show.
    Dice1 = new TDice(Panel1);
    Dice1->setObjectName(QStringLiteral("Dice1"));
    Dice1->move(17, 14);
    Dice1->setSpokenName(tr("Die"));
    Dice1->setAccessibleDescription(tr("Click to roll"));
    Panel1->setAccessibleName(tr("Die, click or press Space to roll"));
    connect(Dice1, &TDice::Click, this, &TAboutBox1::Dice1Click);
    connect(Panel1, &TAboutPanel::Click, this, &TAboutBox1::Dice1Click);
    connect(Panel1, &TAboutPanel::keyActivated, this, &TAboutBox1::Dice1Click);
}

void TAboutBox1::Dice1Click() { Dice1->RollFace(platformServices().random); }

} // namespace kubolo
