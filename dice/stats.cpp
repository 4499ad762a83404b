#include "dice/stats.h"

#include "controls/formkit.h"
#include "controls/numedit.h"
#include "dice/records.h"
#include "platform/platform.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace kubolo {

TStatistics::TStatistics(platform::Platform &platform, KuboloRecords &records, QWidget *parent)
    : formkit::Dialog(parent), m_platform(platform), m_records(records)
{
    formkit::setUpDialog(this, QStringLiteral("Statistics"), tr("Statistics"), 251, 148);

    Bevel1 = formkit::frame(this, QFrame::Box | QFrame::Sunken, QRect(5, 10, 241, 91));
    const int tops[3] = {20, 50, 70};
    const char *captions[3] = {QT_TR_NOOP("Total games played"), QT_TR_NOOP("Points per game"),
                               //: Five of a kind per game.
                               QT_TR_NOOP("Kubolo per game")};
    QLabel *labels[3];
    TNumEdit *fields[3];
    for (int i = 0; i < 3; ++i) {
        labels[i] = new QLabel(tr(captions[i]), this);
        labels[i]->adjustSize();
        labels[i]->setGeometry(15, tops[i], labels[i]->width(), 16); // level with its figure
        auto *f = new TNumEdit(this, &m_platform.messages);
        f->setGeometry(160, tops[i], 71, 16);
        f->setReadOnly(true);
        f->setFrame(false);
        f->setFont(formkit::font(11, true));
        f->setAutoFillBackground(true);
        QPalette pal = f->palette();
        pal.setColor(QPalette::Base, toQColor(clBtnFace));
        f->setPalette(pal);
        f->setAccessibleName(labels[i]->text());
        labels[i]->setBuddy(f);
        fields[i] = f;
    }
    Label1 = labels[0], Label2 = labels[1], Label3 = labels[2];
    NumEdit1 = fields[0], NumEdit2 = fields[1], NumEdit3 = fields[2];
    // Two decimals for the averages; Value then keeps what the field shows.
    NumEdit2->SetDecimalDigits(2);
    NumEdit3->SetDecimalDigits(2);

    Button1 = formkit::button(this, tr("Reset"), QRect(5, 115, 75, 25));
    BitBtn1 = formkit::button(this, tr("OK"), QRect(170, 115, 75, 25));
    BitBtn1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TStatistics::Button1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TStatistics::BitBtn1Click);

    showFigures();
}

void TStatistics::FormActivate()
{
    showFigures();
    // The figures show formatted while the focus is elsewhere.
    BitBtn1->setFocus(Qt::OtherFocusReason);
}

void TStatistics::showFigures()
{
    const DiceStats &s = m_records.stats;
    NumEdit1->SetValue(static_cast<long double>(s.totalGames));
    NumEdit2->SetValue(s.pointsPerGame());
    NumEdit3->SetValue(s.kuboloPerGame());
}

void TStatistics::Button1Click()
{
    if (m_platform.messages.show(this, platform::MsgIcon::Confirmation, tr("Are you sure ?"),
                                 platform::Yes | platform::No) != platform::Yes)
        return;
    m_records.stats.reset();
    showFigures();
}

void TStatistics::BitBtn1Click() { accept(); }

} // namespace kubolo
