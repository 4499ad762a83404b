#include "codebreaking/bp.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace codebreaking {

namespace {

constexpr int RowTop = 74;
constexpr int RowStep = 26;

} // namespace

TBestPlayers::TBestPlayers(platform::Platform &platform, BestRecords &records, QWidget *parent)
    : formkit::Dialog(parent), m_platform(platform), m_records(records)
{
    formkit::setUpDialog(this, QStringLiteral("BestPlayers"), tr("Best Players"), 340, 262);

    Panel1 = formkit::frame(this, QFrame::Panel | QFrame::Sunken, QRect(8, 8, 324, 210));

    WowFrom = formkit::label(Panel1, QString(), QRect(0, 8, 10, 16));
    Wow = formkit::label(Panel1, QString(), QRect(0, 26, 10, 16));
    QFont words = formkit::font();
    words.setItalic(true);
    Wow->setFont(words);
    formkit::setTextColor(Wow, clNavy);

    formkit::frame(Panel1, QFrame::HLine | QFrame::Sunken, QRect(6, 47, 312, 2));

    const QFont bold = formkit::font(11, true);
    for (QLabel *heading : {formkit::label(Panel1, tr("Player"), QRect(34, 54, 170, 16)),
                            formkit::label(Panel1, tr("Guesses"), QRect(206, 54, 54, 16), Qt::AlignRight),
                            formkit::label(Panel1, tr("Time"), QRect(264, 54, 48, 16), Qt::AlignRight)})
        heading->setFont(bold);

    for (int place = 1; place <= BestPlaces; ++place) {
        const int y = RowTop + RowStep * (place - 1);
        auto *ab = new TArrowButton(Panel1);
        ab->setObjectName(QStringLiteral("ab%1").arg(place));
        ab->setGeometry(8, y, 20, 20);
        ab->SetDirection(arwRIGHT);
        ab->SetButtonColor(clYellow);
        ab->setAccessibleCaption(tr("Place %1 marker").arg(place));
        m_markers[place - 1] = ab;
        m_names[place - 1] = formkit::label(Panel1, QString(), QRect(34, y + 2, 170, 16));
        m_guesses[place - 1] = formkit::rightAlignedLabel(Panel1, 260, y + 2, 54, 16);
        m_seconds[place - 1] = formkit::rightAlignedLabel(Panel1, 312, y + 2, 48, 16);
    }
    for (QLabel *l : {m_names[0], m_guesses[0], m_seconds[0]})
        l->setFont(bold);
    ab1 = m_markers[0];
    ab2 = m_markers[1];
    ab3 = m_markers[2];
    ab4 = m_markers[3];
    ab5 = m_markers[4];
    n1 = m_names[0];
    n2 = m_names[1];
    n3 = m_names[2];
    n4 = m_names[3];
    n5 = m_names[4];
    t1 = m_guesses[0];
    t2 = m_guesses[1];
    t3 = m_guesses[2];
    t4 = m_guesses[3];
    t5 = m_guesses[4];
    s1 = m_seconds[0];
    s2 = m_seconds[1];
    s3 = m_seconds[2];
    s4 = m_seconds[3];
    s5 = m_seconds[4];

    OKButton = formkit::button(this, tr("OK"), QRect(78, 228, 80, 25));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TBestPlayers::OKButtonClick);
    Button1 = formkit::button(this, tr("&Reset"), QRect(182, 228, 80, 25));
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TBestPlayers::Button1Click);

    FormCreate();
}

void TBestPlayers::FormCreate()
{
    // The words lines are laid out when the dialog opens: measuring them here
    // would load their fonts before the board is first seen.
    showTable();
}

void TBestPlayers::showTable()
{
    for (int place = 1; place <= BestPlaces; ++place) {
        m_markers[place - 1]->SetButtonColor(m_records.marked[place - 1] ? clRed : clYellow);
        const BestEntry &row = m_records.table[place - 1];
        m_names[place - 1]->setText(row.name);
        m_guesses[place - 1]->setText(row.guesses);
        m_seconds[place - 1]->setText(row.seconds);
        m_names[place - 1]->setAccessibleName(
            tr("Place %1: %2, %3 guesses, %4 seconds").arg(place).arg(row.name, row.guesses, row.seconds));
    }
}

void TBestPlayers::FormActivate()
{
    //: %1 is the best player's name.
    WowFrom->setText(tr("Words of Wisdom from %1:").arg(m_records.table[0].name));
    Wow->setText(m_records.WordsOfWisdom);
    formkit::centreAcross(WowFrom, Panel1->width());
    formkit::centreAcross(Wow, Panel1->width());
}

void TBestPlayers::Button1Click()
{
    if (m_platform.messages.show(this, platform::MsgIcon::Confirmation, tr("Are you sure ?"),
                                 platform::Yes | platform::No) != platform::Yes)
        return;
    m_records.reset(defaultBestTable());
    showTable();
    FormActivate();
}

void TBestPlayers::OKButtonClick() { accept(); }

void TBestPlayers::ClearRowMarks()
{
    m_records.clearMarks();
    showTable();
}

void TBestPlayers::enterAt(int place, const BestEntry &entry)
{
    m_records.enterAt(place, entry);
    showTable();
    FormActivate();
}

void TBestPlayers::setWordsOfWisdom(const QString &words)
{
    m_records.WordsOfWisdom = cutKeptText(words);
    FormActivate();
}

} // namespace codebreaking
