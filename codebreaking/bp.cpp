#include "codebreaking/bp.h"

#include "platform/besttable.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <climits>

namespace codebreaking {

namespace {

constexpr int RowTop = 74;
constexpr int RowStep = 26;

} // namespace

TBestPlayers::TBestPlayers(platform::Platform &platform, BestRecords &records, QWidget *parent)
    : BestPlayersTable(platform,
                       recordsdialogs::tableOf(records, defaultBestTable, &BestEntry::name, &BestEntry::guesses,
                                               &BestEntry::seconds),
                       parent),
      m_records(records)
{
    formkit::setUpDialog(this, QStringLiteral("BestPlayers"), tr("Best Players"), 340, 262);

    Panel1 = formkit::frame(this, QFrame::Panel | QFrame::Sunken, QRect(8, 8, 324, 210));

    WowFrom = formkit::label(Panel1, QString(), QRect(0, 8, 10, 16));
    Wow = formkit::label(Panel1, QString(), QRect(0, 26, 10, 16));
    QFont words = formkit::font();
    words.setItalic(true);
    Wow->setFont(words);
    formkit::setTextColor(Wow, clNavy);
    //: %1 is the best player's name.
    setWordsLines(WowFrom, Wow, tr("Words of Wisdom from %1:"), Panel1);

    formkit::frame(Panel1, QFrame::HLine | QFrame::Sunken, QRect(6, 47, 312, 2));

    const QFont bold = formkit::font(11, true);
    for (QLabel *heading : {formkit::label(Panel1, tr("Player"), QRect(34, 54, 170, 16)),
                            formkit::label(Panel1, tr("Guesses"), QRect(206, 54, 54, 16), Qt::AlignRight),
                            formkit::label(Panel1, tr("Time"), QRect(264, 54, 48, 16), Qt::AlignRight)})
        heading->setFont(bold);

    for (int place = 1; place <= BestPlaces; ++place) {
        const int y = RowTop + RowStep * (place - 1);
        addMarker(Panel1, QRect(8, y, 20, 20), tr("Place %1 marker").arg(place))
            ->setObjectName(QStringLiteral("ab%1").arg(place));
        addCells({formkit::label(Panel1, QString(), QRect(34, y + 2, 170, 16)),
                  formkit::rightAlignedLabel(Panel1, 260, y + 2, 54, 16),
                  formkit::rightAlignedLabel(Panel1, 312, y + 2, 48, 16)});
    }
    for (int column = 0; column < 3; ++column)
        cell(1, column)->setFont(bold);
    t1 = cell(1, 1), t2 = cell(2, 1), t3 = cell(3, 1), t4 = cell(4, 1), t5 = cell(5, 1);
    s1 = cell(1, 2), s2 = cell(2, 2), s3 = cell(3, 2), s4 = cell(4, 2), s5 = cell(5, 2);
    readOut = [](int place, const QStringList &row) {
        // A count with its unit in the right form; a kept text that is no
        // number is read as it stands.
        const auto counted = [](const QString &text, const char *unit) {
            const auto n = platform::best::number(text);
            return n && *n >= INT_MIN && *n <= INT_MAX ? tr(unit, nullptr, int(*n)) : text;
        };
        //: %1 is the place, %2 the player's name, %3 the guesses and %4 the time, each with its unit.
        return tr("Place %1: %2, %3, %4")
            .arg(place)
            .arg(row[0], counted(row[1], QT_TR_N_NOOP("%n guesses")), counted(row[2], QT_TR_N_NOOP("%n seconds")));
    };

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

void TBestPlayers::enterAt(int place, const BestEntry &entry)
{
    m_records.enterAt(place, entry);
    showTable();
    showWords();
}

void TBestPlayers::setWordsOfWisdom(const QString &words)
{
    m_records.WordsOfWisdom = cutKeptText(words);
    showWords();
}

} // namespace codebreaking
