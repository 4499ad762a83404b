#include "dice/bp.h"

#include "controls/formkit.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace kubolo {

namespace {

const int ArrowTops[BestPlayerRows] = {57, 81, 105, 129, 153};
const int RowTops[BestPlayerRows] = {61, 85, 109, 133, 157};
constexpr int NameLeft = 48;
constexpr int NameWidth = 150;
constexpr int ScoreWidth = 50;

} // namespace

TBestPlayers::TBestPlayers(platform::Platform &platform, KuboloRecords &records, QWidget *parent)
    : BestPlayersTable(
          platform,
          recordsdialogs::tableOf(records.best, defaultBestPlayers, &BestPlayerRow::name, &BestPlayerRow::score),
          parent),
      m_records(records)
{
    formkit::setUpDialog(this, QStringLiteral("BestPlayers"), tr("Best Players"), 276, 231);

    Bevel1 = formkit::frame(this, QFrame::Box | QFrame::Sunken, QRect(10, 10, 256, 171));
    Label1 = new QLabel(this);
    Label1->move(20, 20);
    Label2 = new QLabel(this);
    Label2->move(20, 35);
    //: %1 is the best player's name.
    setWordsLines(Label1, Label2, tr("Words of Wisdom from %1:"), this);

    for (int i = 0; i < BestPlayerRows; ++i) {
        const bool best = i == 0;
        addMarker(this, QRect(15, ArrowTops[i], 20, 20), tr("Row %1 marker").arg(i + 1));
        auto *name = new QLabel(this);
        name->setGeometry(NameLeft, RowTops[i], NameWidth, 13);
        auto *score = formkit::rightAlignedLabel(this, best ? 251 : 250, RowTops[i], ScoreWidth);
        name->setFont(formkit::font(11, best));
        score->setFont(formkit::font(11, best));
        formkit::setTextColor(name, best ? clNavy : clBlack);
        formkit::setTextColor(score, best ? clMaroon : clBlack);
        addCells({name, score});
    }
    pn1 = cell(1, 1), pn2 = cell(2, 1), pn3 = cell(3, 1), pn4 = cell(4, 1), pn5 = cell(5, 1);

    Button1 = formkit::button(this, tr("Reset"), QRect(10, 195, 75, 25));
    Button1->setDefault(true);
    BitBtn1 = formkit::button(this, tr("OK"), QRect(190, 195, 75, 25));
    connect(Button1, &QPushButton::clicked, this, &TBestPlayers::Button1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TBestPlayers::BitBtn1Click);

    showTable();
}

void TBestPlayers::setTable(const BestPlayerTable &table)
{
    m_records.best.table = table;
    showTable();
}

void TBestPlayers::MarkRow(int row)
{
    if (row >= 1 && row <= BestPlayerRows)
        m_records.best.marked[row - 1] = true;
    showTable();
}

void TBestPlayers::FormActivate()
{
    showTable();
    showWords();
}

} // namespace kubolo
