#include "codebreaking/stat.h"

#include "codebreaking/formkit.h"
#include "controls/numedit.h"

#include <QLabel>
#include <QPushButton>

namespace codebreaking {

TStatistics::TStatistics(platform::Platform &platform, GameStats &stats, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_stats(stats)
{
    formkit::setUpDialog(this, "Statistics", QStringLiteral("Statistics"), 300, 164);

    struct Line {
        const char *label;
        const char *text;
        const char *edit;
        quint8 digits;
        const char *format;
    };
    static const Line lines[4] = {{"Label1", "Total games played", "mean0", 0, ",0"},
                                  {"Label2", "Seconds per game", "mean1", 2, ",0.00"},
                                  {"Label3", "Guesses per game", "mean2", 2, ",0.00"},
                                  {"Label4", "% of unsuccessful games", "mean3", 1, ",0.0"}};
    TNumEdit *edits[4];
    for (int i = 0; i < 4; ++i) {
        const int y = 12 + 28 * i;
        auto *l = formkit::label(this, lines[i].label, QString::fromLatin1(lines[i].text), QRect(12, y, 150, 21));
        auto *e = new TNumEdit(this, &platform.messages);
        e->setObjectName(QLatin1String(lines[i].edit));
        e->setGeometry(167, y, 121, 21);
        e->SetDecimalDigits(lines[i].digits);
        e->SetDisplayFormat(QLatin1String(lines[i].format));
        e->setReadOnly(true);
        // A display, not a field: focused it would show its bare number.
        e->setFocusPolicy(Qt::NoFocus);
        e->setAccessibleDescription(l->text());
        l->setBuddy(e);
        edits[i] = e;
    }
    mean0 = edits[0];
    mean1 = edits[1];
    mean2 = edits[2];
    mean3 = edits[3];

    OKButton = formkit::button(this, "OKButton", QStringLiteral("OK"), QRect(58, 128, 80, 25));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TStatistics::OKButtonClick);
    Button1 = formkit::button(this, "Button1", QStringLiteral("&Reset"), QRect(162, 128, 80, 25));
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TStatistics::Button1Click);

    for (TNumEdit *e : edits)
        showFigure(e, 0);
    FormCreate();
}

void TStatistics::showFigure(TNumEdit *display, long double value)
{
    display->SetValue(value);
    display->setAccessibleName(display->accessibleDescription() + QStringLiteral(": ") + display->text());
}

void TStatistics::FormCreate()
{
    const long double games = m_stats.GameCount;
    const long double notWon = m_stats.NoEndCount;
    showFigure(mean0, games);
    if (m_stats.GameCount > 0)
        showFigure(mean3, notWon * 100 / games);
    // Won games share the totals, which also hold the games lost on line 10.
    if (m_stats.GameCount > m_stats.NoEndCount) {
        showFigure(mean1, m_stats.SecTotal / (games - notWon));
        showFigure(mean2, m_stats.GuessTotal / (games - notWon));
    }
}

void TStatistics::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormCreate();
    formkit::centreOnScreen(this);
}

void TStatistics::Button1Click()
{
    if (m_platform.messages.show(this, platform::MsgIcon::Confirmation, QStringLiteral("Are you sure ?"),
                                 platform::Yes | platform::No) != platform::Yes)
        return;
    m_stats.Reset();
    for (TNumEdit *e : {mean0, mean1, mean2, mean3})
        showFigure(e, 0);
}

void TStatistics::OKButtonClick() { accept(); }

} // namespace codebreaking
