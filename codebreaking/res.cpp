#include "codebreaking/res.h"

#include "controls/recordsdialogs.h"

#include <QLabel>
#include <QPushButton>

namespace codebreaking {

TResult::TResult(platform::Platform &platform, const GameState &game, const BestRecords &records, QWidget *parent)
    : formkit::Dialog(parent), m_platform(platform), m_game(game), m_records(records)
{
    formkit::setUpDialog(this, QStringLiteral("Result"), tr("End of Game"), 230, 150);
    Label1 = formkit::label(this, tr("N. of guesses:"), QRect(30, 14, 90, 16));
    guesses = formkit::label(this, QString(), QRect(124, 14, 76, 16));
    Label2 = formkit::label(this, tr("Total time:"), QRect(30, 34, 90, 16));
    totalTime = formkit::label(this, QString(), QRect(124, 34, 76, 16));
    guesses->setFont(formkit::font(11, true));
    totalTime->setFont(formkit::font(11, true));

    Comment = formkit::label(this, QString(), QRect(0, 60, 230, 30), Qt::AlignHCenter);
    Comment->setFont(formkit::font(18, true));
    formkit::setTextColor(Comment, clMaroon);

    OKButton = formkit::button(this, tr("OK"), QRect(75, 110, 80, 25));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TResult::OKButtonClick);

    FormCreate();
}

QString TResult::CommentFor(int line)
{
    if (line <= 1)
        return tr("First try !!!");
    if (line <= 4)
        return tr("Great!!");
    if (line <= 9)
        return tr("You made it!");
    return tr("At last!");
}

void TResult::FormCreate()
{
    guesses->setText(QString::number(m_game.Line));
    totalTime->setText(QString::number(m_game.Seconds));
    Comment->setText(CommentFor(m_game.Line));
    guesses->setAccessibleName(tr("Number of guesses: %1").arg(m_game.Line));
    totalTime->setAccessibleName(tr("Total time: %n seconds", nullptr, m_game.Seconds));
}

void TResult::FormActivate() { FormCreate(); }

void TResult::OKButtonClick()
{
    // The next dialog opens from here; this one stays in sight behind it
    // until it is closed. A training game is never ranked.
    recordsdialogs::rankThenOpen(
        *this, m_platform, recordsdialogs::NextOpens::OverThis,
        [this](QString *bad) {
            return m_game.training() ? Placing::None : placeResult(m_records.table, m_game.Line, m_game.Seconds, bad);
        },
        showTopScore, showCongratulations);
}

} // namespace codebreaking
