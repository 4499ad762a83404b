#include "dice/endg.h"

#include "controls/formkit.h"
#include "controls/recordsdialogs.h"
#include "dice/bp.h"
#include "dice/records.h"
#include "dice/scoresheet.h"
#include "dice/top.h"
#include "platform/platform.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include <utility>

namespace kubolo {

TEndGame::TEndGame(platform::Platform &platform, const ScoreSheet &sheet, KuboloRecords &records, GameSound sound,
                   QWidget *parent)
    : formkit::Dialog(parent), m_platform(platform), m_sheet(sheet), m_records(records), m_sound(std::move(sound))
{
    formkit::setUpDialog(this, QStringLiteral("EndGame"), tr("End of game"), 211, 154);
    setWindowFlag(Qt::WindowStaysOnTopHint);

    Panel1 = formkit::frame(this, QFrame::Panel | QFrame::Raised, QRect(8, 8, 193, 105));
    const int tops[4] = {16, 35, 53, 72};
    const char *captions[4] = {QT_TR_NOOP("Left-side total:"), QT_TR_NOOP("Bonus:"), QT_TR_NOOP("Game total:"),
                               //: The count of five of a kind in the game.
                               QT_TR_NOOP("Kubolo:")};
    const TColor colors[4] = {clNavy, clNavy, clRed, clBlack};
    QLabel *names[4], *values[4];
    for (int i = 0; i < 4; ++i) {
        names[i] = formkit::rightAlignedLabel(Panel1, 96, tops[i], 88);
        names[i]->setText(tr(captions[i]));
        values[i] = formkit::rightAlignedLabel(Panel1, 152, tops[i], 50);
        values[i]->setFont(formkit::font(11, true));
        formkit::setTextColor(values[i], colors[i]);
    }
    Label1 = names[0], Label2 = names[1], Label3 = names[2], Label4 = names[3];
    UpperValue = values[0], BonusValue = values[1], TotalValue = values[2], KuboloValue = values[3];

    OKButton = formkit::button(this, tr("OK"), QRect(67, 120, 75, 25));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TEndGame::OKButtonClick);
}

void TEndGame::FormActivate()
{
    UpperValue->setText(QString::number(m_sheet.UpperTotal()));
    BonusValue->setText(QString::number(m_sheet.Bonus()));
    TotalValue->setText(QString::number(m_sheet.GameTotal()));
    KuboloValue->setText(QString::number(m_sheet.FiveOfAKindCount()));
    // Read out as one line each: the caption and its figure.
    for (auto [caption, value] : {std::pair{Label1, UpperValue}, std::pair{Label2, BonusValue},
                                  std::pair{Label3, TotalValue}, std::pair{Label4, KuboloValue}})
        value->setAccessibleName(caption->text() + QLatin1Char(' ') + value->text());
    m_sound(QStringLiteral("app.wav"));
}

void TEndGame::OKButtonClick()
{
    // Hidden first, so the dialogs that follow stand alone.
    const auto rank = [this](QString *) {
        // A hinted game is training: neither statistics nor best players.
        if (m_sheet.Hinted())
            return Placing::None;
        m_records.stats.recordGame(m_sheet.GameTotal(), m_sheet.FiveOfAKindCount());
        return BestPlayers ? placeResult(m_records.best.table, m_sheet.GameTotal()) : Placing::None;
    };
    const auto open = [this](QDialog *entry) {
        return [this, entry] {
            if (entry)
                m_platform.messages.exec(*entry);
        };
    };
    recordsdialogs::rankThenOpen(*this, m_platform, recordsdialogs::NextOpens::AfterThis, rank, open(TopScore),
                                 open(TopFive));
}

} // namespace kubolo
