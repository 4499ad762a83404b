#include "codebreaking/bp.h"

#include "codebreaking/formkit.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace codebreaking {

namespace {

constexpr int RowTop = 74;
constexpr int RowStep = 26;
const char *const NameNames[BestPlaces] = {"n1", "n2", "n3", "n4", "n5"};
const char *const GuessNames[BestPlaces] = {"t1", "t2", "t3", "t4", "t5"};
const char *const SecondNames[BestPlaces] = {"s1", "s2", "s3", "s4", "s5"};

} // namespace

TBestPlayers::TBestPlayers(platform::Platform &platform, BestRecords &records, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_records(records)
{
    formkit::setUpDialog(this, "BestPlayers", QStringLiteral("Best Players"), 340, 262);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(8, 8, 324, 210);

    WowFrom = formkit::label(Panel1, "WowFrom", QString(), QRect(0, 8, 10, 16));
    Wow = formkit::label(Panel1, "Wow", QString(), QRect(0, 26, 10, 16));
    QFont words = Wow->font();
    words.setItalic(true);
    Wow->setFont(words);
    QPalette navy = Wow->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    Wow->setPalette(navy);

    auto *rule = new QFrame(Panel1);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(6, 47, 312, 2);

    QFont bold = font();
    bold.setBold(true);
    for (QLabel *heading :
         {formkit::label(Panel1, "Label1", QStringLiteral("Player"), QRect(34, 54, 170, 16)),
          formkit::label(Panel1, "Label2", QStringLiteral("Guesses"), QRect(206, 54, 54, 16), Qt::AlignRight),
          formkit::label(Panel1, "Label3", QStringLiteral("Time"), QRect(264, 54, 48, 16), Qt::AlignRight)})
        heading->setFont(bold);

    for (int place = 1; place <= BestPlaces; ++place) {
        const int y = RowTop + RowStep * (place - 1);
        auto *ab = new TArrowButton(Panel1);
        ab->setObjectName(QStringLiteral("ab%1").arg(place));
        ab->setGeometry(8, y, 20, 20);
        ab->SetDirection(arwRIGHT);
        ab->SetButtonColor(clYellow);
        ab->setAccessibleCaption(QStringLiteral("Place %1 marker").arg(place));
        m_markers[place - 1] = ab;
        m_names[place - 1] = formkit::label(Panel1, NameNames[place - 1], QString(), QRect(34, y + 2, 170, 16));
        m_guesses[place - 1] =
            formkit::label(Panel1, GuessNames[place - 1], QString(), QRect(206, y + 2, 54, 16), Qt::AlignRight);
        m_seconds[place - 1] =
            formkit::label(Panel1, SecondNames[place - 1], QString(), QRect(264, y + 2, 48, 16), Qt::AlignRight);
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

    OKButton = formkit::button(this, "OKButton", QStringLiteral("OK"), QRect(78, 228, 80, 25));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TBestPlayers::OKButtonClick);
    Button1 = formkit::button(this, "Button1", QStringLiteral("&Reset"), QRect(182, 228, 80, 25));
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
        const BestEntry &row = m_records.Table[place - 1];
        m_names[place - 1]->setText(row.Name);
        m_guesses[place - 1]->setText(row.Guesses);
        m_seconds[place - 1]->setText(row.Seconds);
        m_names[place - 1]->setAccessibleName(
            QStringLiteral("Place %1: %2, %3 guesses, %4 seconds").arg(place).arg(row.Name, row.Guesses, row.Seconds));
    }
}

void TBestPlayers::centre(QLabel *label)
{
    label->adjustSize();
    label->move((Panel1->width() - label->width()) / 2, label->y());
}

void TBestPlayers::FormActivate()
{
    WowFrom->setText(QStringLiteral("Words of Wisdom from ") + m_records.Table[0].Name + QLatin1Char(':'));
    Wow->setText(m_records.WordsOfWisdom);
    centre(WowFrom);
    centre(Wow);
}

void TBestPlayers::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
    formkit::centreOnScreen(this);
}

void TBestPlayers::Button1Click()
{
    if (m_platform.messages.show(this, platform::MsgIcon::Confirmation, QStringLiteral("Are you sure ?"),
                                 platform::Yes | platform::No) != platform::Yes)
        return;
    ClearRowMarks();
    m_records = BestRecords{};
    showTable();
    FormActivate();
}

void TBestPlayers::OKButtonClick() { accept(); }

void TBestPlayers::ClearRowMarks()
{
    for (TArrowButton *ab : m_markers)
        ab->SetButtonColor(clYellow);
}

void TBestPlayers::MarkRow(TArrowButton *marker)
{
    if (marker)
        marker->SetButtonColor(clRed);
}

void TBestPlayers::EnterAt(int place, const BestEntry &entry)
{
    if (place < 1 || place > BestPlaces)
        return;
    MarkRow(m_markers[place - 1]);
    InsertAt(m_records.Table, place, entry);
    showTable();
    FormActivate();
}

void TBestPlayers::SetWordsOfWisdom(const QString &words)
{
    m_records.WordsOfWisdom = CutKeptText(words);
    FormActivate();
}

} // namespace codebreaking
