#include "dice/bp.h"

#include "controls/arrowbtn.h"
#include "controls/formkit.h"
#include "platform/platform.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace kubolo {

namespace {

const int ArrowTops[BestPlayerRows] = {57, 81, 105, 129, 153};
const int RowTops[BestPlayerRows] = {61, 85, 109, 133, 157};
constexpr int NameLeft = 48;
constexpr int NameWidth = 150;
constexpr int ScoreWidth = 50;

} // namespace

TBestPlayers::TBestPlayers(platform::Platform &platform, KuboloRecords &records, QWidget *parent)
    : formkit::Dialog(parent), m_platform(platform), m_records(records)
{
    formkit::setUpDialog(this, QStringLiteral("BestPlayers"), tr("Best Players"), 276, 231);

    Bevel1 = formkit::frame(this, QFrame::Box | QFrame::Sunken, QRect(10, 10, 256, 171));
    Label1 = new QLabel(this);
    Label1->move(20, 20);
    Label2 = new QLabel(this);
    Label2->move(20, 35);

    for (int i = 0; i < BestPlayerRows; ++i) {
        const bool best = i == 0;
        auto *arrow = new TArrowButton(this);
        arrow->setGeometry(15, ArrowTops[i], 20, 20);
        arrow->SetDirection(arwRIGHT);
        arrow->SetButtonColor(clYellow);
        arrow->setAccessibleCaption(tr("Row %1 marker").arg(i + 1));
        m_arrows[i] = arrow;

        auto *name = new QLabel(this);
        name->setGeometry(NameLeft, RowTops[i], NameWidth, 13);
        auto *score = formkit::rightAlignedLabel(this, best ? 251 : 250, RowTops[i], ScoreWidth);
        name->setFont(formkit::font(11, best));
        score->setFont(formkit::font(11, best));
        formkit::setTextColor(name, best ? clNavy : clBlack);
        formkit::setTextColor(score, best ? clMaroon : clBlack);
        m_names[i] = name;
        m_scores[i] = score;
    }
    ab1 = m_arrows[0], ab2 = m_arrows[1], ab3 = m_arrows[2], ab4 = m_arrows[3], ab5 = m_arrows[4];
    n1 = m_names[0], n2 = m_names[1], n3 = m_names[2], n4 = m_names[3], n5 = m_names[4];
    pn1 = m_scores[0], pn2 = m_scores[1], pn3 = m_scores[2], pn4 = m_scores[3], pn5 = m_scores[4];

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

void TBestPlayers::showTable()
{
    const BestPlayerRecords &best = m_records.best;
    for (int i = 0; i < BestPlayerRows; ++i) {
        m_names[i]->setText(best.table[i].name);
        m_scores[i]->setText(best.table[i].score);
        m_arrows[i]->SetButtonColor(best.marked[i] ? clRed : clYellow);
    }
}

void TBestPlayers::ClearRowMarks()
{
    m_records.best.clearMarks();
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

void TBestPlayers::showWords()
{
    //: %1 is the best player's name.
    Label1->setText(tr("Words of Wisdom from %1:").arg(n1->text()));
    Label2->setText(m_records.best.WordsOfWisdom);
    // Centred with the outer width of the dialog, frame included.
    const int outer = isVisible() ? frameGeometry().width() : width();
    for (QLabel *line : {Label1, Label2})
        formkit::centreAcross(line, outer);
}

void TBestPlayers::Button1Click()
{
    if (m_platform.messages.show(this, platform::MsgIcon::Confirmation, tr("Are you sure ?"),
                                 platform::Yes | platform::No) != platform::Yes)
        return;
    m_records.best.reset(defaultBestPlayers());
    showTable();
    showWords();
}

void TBestPlayers::BitBtn1Click() { accept(); }

} // namespace kubolo
