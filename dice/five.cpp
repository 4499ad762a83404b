#include "dice/five.h"

#include "controls/formkit.h"
#include "dice/bp.h"
#include "dice/records.h"
#include "dice/scoresheet.h"
#include "platform/platform.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace kubolo {

TTopFive::TTopFive(platform::Platform &platform, const ScoreSheet &sheet, TBestPlayers &bestPlayers, GameSound sound,
                   QWidget *parent)
    : formkit::Dialog(parent), m_platform(platform), m_sheet(sheet), m_bestPlayers(bestPlayers),
      m_sound(std::move(sound))
{
    formkit::setUpDialog(this, QStringLiteral("TopFive"), tr("Congratulation"), 296, 156);

    Panel1 = formkit::frame(this, QFrame::Panel | QFrame::Raised, QRect(8, 8, 281, 98));
    Label1 = new QLabel(tr("Your score is one of the best five !"), Panel1);
    Label1->setFont(formkit::font(11, true));
    Label1->move(16, 15);
    Label2 = new QLabel(tr("Please enter your name:"), Panel1);
    Label2->move(16, 35);
    Edit1 = formkit::lineField(Panel1, QRect(16, 59, 249, 21), MaxNameLength);
    Edit1->setFont(formkit::font(11, true));
    formkit::setTextColor(Edit1, clMaroon);
    Label2->setBuddy(Edit1);
    for (QLabel *l : {Label1, Label2})
        l->adjustSize();

    OKButton = formkit::button(this, tr("OK"), QRect(110, 122, 75, 25));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TTopFive::OKButtonClick);
}

void TTopFive::FormActivate()
{
    Edit1->setFocus(Qt::OtherFocusReason);
    Edit1->selectAll();
    m_sound(QStringLiteral("final.wav"));
}

void TTopFive::OKButtonClick()
{
    insertTopFive(m_bestPlayers.records().best, Edit1->text(), m_sheet.GameTotal());
    accept();
    m_platform.messages.exec(m_bestPlayers);
}

} // namespace kubolo
