#include "codebreaking/stat.h"

#include "controls/numedit.h"

#include <QLabel>
#include <QPushButton>

namespace codebreaking {

TStatistics::TStatistics(platform::Platform &platform, GameStats &stats, QWidget *parent)
    : formkit::Dialog(parent), m_platform(platform), m_stats(stats)
{
    formkit::setUpDialog(this, QStringLiteral("Statistics"), tr("Statistics"), 300, 164);

    struct Line {
        const char *text;
        quint8 digits;
        const char16_t *format;
    };
    static const Line lines[4] = {{QT_TR_NOOP("Total games played"), 0, u",0"},
                                  {QT_TR_NOOP("Seconds per game"), 2, u",0.00"},
                                  {QT_TR_NOOP("Guesses per game"), 2, u",0.00"},
                                  {QT_TR_NOOP("% of unsuccessful games"), 1, u",0.0"}};
    TNumEdit *edits[4];
    for (int i = 0; i < 4; ++i) {
        const int y = 12 + 28 * i;
        auto *l = formkit::label(this, tr(lines[i].text), QRect(12, y, 150, 21));
        auto *e = new TNumEdit(this, &platform.messages);
        e->setGeometry(167, y, 121, 21);
        e->SetDecimalDigits(lines[i].digits);
        e->SetDisplayFormat(QString::fromUtf16(lines[i].format));
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

    OKButton = formkit::button(this, tr("OK"), QRect(58, 128, 80, 25));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TStatistics::OKButtonClick);
    Button1 = formkit::button(this, tr("&Reset"), QRect(162, 128, 80, 25));
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TStatistics::Button1Click);

    for (TNumEdit *e : edits)
        showFigure(e, 0);
    FormCreate();
}

void TStatistics::showFigure(TNumEdit *display, long double value)
{
    display->SetValue(value);
    //: An accessible name: %1 is what the figure is, %2 the figure.
    display->setAccessibleName(tr("%1: %2").arg(display->accessibleDescription(), display->text()));
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

void TStatistics::FormActivate() { FormCreate(); }

void TStatistics::Button1Click()
{
    if (m_platform.messages.show(this, platform::MsgIcon::Confirmation, tr("Are you sure ?"),
                                 platform::Yes | platform::No) != platform::Yes)
        return;
    m_stats.Reset();
    for (TNumEdit *e : {mean0, mean1, mean2, mean3})
        showFigure(e, 0);
}

void TStatistics::OKButtonClick() { accept(); }

} // namespace codebreaking
