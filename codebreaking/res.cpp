#include "codebreaking/res.h"

#include "codebreaking/formkit.h"

#include <QLabel>
#include <QPushButton>

namespace codebreaking {

TResult::TResult(platform::Platform &platform, const GameState &game, const BestRecords &records, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_game(game), m_records(records)
{
    formkit::setUpDialog(this, "Result", QStringLiteral("End of Game"), 230, 150);
    Label1 = formkit::label(this, "Label1", QStringLiteral("N. of guesses:"), QRect(30, 14, 90, 16));
    guesses = formkit::label(this, "guesses", QString(), QRect(124, 14, 76, 16));
    Label2 = formkit::label(this, "Label2", QStringLiteral("Total time:"), QRect(30, 34, 90, 16));
    totalTime = formkit::label(this, "totalTime", QString(), QRect(124, 34, 76, 16));
    QFont bold = font();
    bold.setBold(true);
    guesses->setFont(bold);
    totalTime->setFont(bold);

    Comment = formkit::label(this, "Comment", QString(), QRect(0, 60, 230, 30), Qt::AlignHCenter);
    QFont big = font();
    big.setPixelSize(18);
    big.setBold(true);
    Comment->setFont(big);
    QPalette red = Comment->palette();
    red.setColor(QPalette::WindowText, QColor(128, 0, 0));
    Comment->setPalette(red);

    OKButton = formkit::button(this, "OKButton", QStringLiteral("OK"), QRect(75, 110, 80, 25));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TResult::OKButtonClick);

    FormCreate();
}

QString TResult::CommentFor(int line)
{
    if (line <= 1)
        return QStringLiteral("First try !!!");
    if (line <= 4)
        return QStringLiteral("Great!!");
    if (line <= 9)
        return QStringLiteral("You made it!");
    return QStringLiteral("At last!");
}

void TResult::FormCreate()
{
    guesses->setText(QString::number(m_game.Line));
    totalTime->setText(QString::number(m_game.Seconds));
    Comment->setText(CommentFor(m_game.Line));
    guesses->setAccessibleName(QStringLiteral("Number of guesses: %1").arg(m_game.Line));
    totalTime->setAccessibleName(QStringLiteral("Total time: %1 seconds").arg(m_game.Seconds));
}

void TResult::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormCreate();
    formkit::centreOnScreen(this);
}

void TResult::OKButtonClick()
{
    // A training game is never ranked.
    if (m_game.training()) {
        accept();
        return;
    }
    QString bad;
    const Placing placing = PlaceResult(m_records.Table, m_game.Line, m_game.Seconds, &bad);
    if (placing == Placing::Unreadable) {
        accept();
        m_platform.messages.show(parentWidget(), platform::MsgIcon::Error, ConversionError(bad), platform::Ok);
        return;
    }
    // The next dialog opens from here; this one stays in sight behind it
    // until it is closed.
    if (placing == Placing::Best && showTopScore)
        showTopScore();
    else if (placing == Placing::BestFive && showCongratulations)
        showCongratulations();
    accept();
}

} // namespace codebreaking
