#include "dice/top.h"

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

TTopScore::TTopScore(platform::Platform &platform, const ScoreSheet &sheet, KuboloRecords &records,
                     TBestPlayers &bestPlayers, GameSound sound, QWidget *parent)
    : formkit::Dialog(parent), m_platform(platform), m_sheet(sheet), m_records(records), m_bestPlayers(bestPlayers),
      m_sound(std::move(sound))
{
    formkit::setUpDialog(this, QStringLiteral("TopScore"), tr("Congratulations"), 296, 202);

    Panel1 = formkit::frame(this, QFrame::Panel | QFrame::Raised, QRect(8, 8, 281, 153));
    Label1 = new QLabel(tr("Your score is the best one !"), Panel1);
    Label1->setFont(formkit::font(11, true));
    Label1->move(16, 15);
    Label2 = new QLabel(tr("Please enter your name..."), Panel1);
    Label2->move(16, 35);
    Edit1 = formkit::lineField(Panel1, QRect(16, 59, 249, 21), MaxNameLength);
    Edit1->setFont(formkit::font(11, true));
    formkit::setTextColor(Edit1, clMaroon);
    Label3 = new QLabel(tr("...and your Words of Wisdom:"), Panel1);
    Label3->move(16, 90);
    Edit2 = formkit::lineField(Panel1, QRect(16, 109, 249, 21), MaxWordsLength);
    Edit2->setFont(formkit::font(11, true));
    formkit::setTextColor(Edit2, clNavy);
    Label2->setBuddy(Edit1);
    Label3->setBuddy(Edit2);
    for (QLabel *l : {Label1, Label2, Label3})
        l->adjustSize();

    OKButton = formkit::button(this, tr("OK"), QRect(110, 170, 75, 25));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TTopScore::OKButtonClick);
}

void TTopScore::FormActivate()
{
    Edit1->setFocus(Qt::OtherFocusReason);
    Edit1->selectAll();
    m_sound(QStringLiteral("final.wav"));
}

void TTopScore::OKButtonClick()
{
    insertTopScore(m_records.best, Edit1->text(), m_sheet.GameTotal());
    m_records.best.WordsOfWisdom = cutKeptText(Edit2->text());
    accept();
    m_platform.messages.exec(m_bestPlayers);
}

} // namespace kubolo
