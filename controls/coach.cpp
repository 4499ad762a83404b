#include "controls/coach.h"

#include "controls/review.h"
#include "platform/besttable.h"
#include "platform/settingsfile.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace coach {

bool roundsToNothing(double loss, int decimals) { return std::round(loss * std::pow(10.0, decimals)) <= 0; }

Rating ratingOf(double loss, int decimals, bool blunder)
{
    Rating r;
    if (roundsToNothing(loss, decimals))
        return r;
    r.loss = loss;
    r.grade = blunder ? Grade::Blunder : Grade::SmallError;
    return r;
}

QString amountIn(const char *context, const char *text, double amount, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double whole = std::floor(std::abs(std::round(amount * scale)) / scale);
    // Past a billion (or for no figure at all) any plural form will do.
    const int count = whole < 1e9 ? int(whole) : 1'000'000'000;
    return QCoreApplication::translate(context, text, nullptr, count)
        .arg(QLocale().toString(amount, 'f', decimals));
}

QString verdict(const QString &best, const QString &why)
{
    //: %1 the best move ("Hold 5 5"), %2 what the move made cost ("4.5 points lost").
    return QCoreApplication::translate("TCoach", "Best was: %1 (%2).").arg(best, why);
}

} // namespace coach

namespace {

const QString Options = QStringLiteral("Options");
const QString CoachKey = QStringLiteral("Coach");
const QString Kept = QStringLiteral("Coach"); // the section of the totals, after the game's own
const QString MovesKey = QStringLiteral("Moves");
const QString BestKey = QStringLiteral("Best");
const QString LossKey = QStringLiteral("Loss");

} // namespace

TCoach::TCoach(QObject *parent) : QObject(parent)
{
    // One after another: each rating is of the position its decision left.
    m_pool.setMaxThreadCount(1);
}

TCoach::~TCoach()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void TCoach::toggle()
{
    m_on = !m_on;
    m_optionChanged = true;
}

void TCoach::readKeys(platform::SettingsFile &file)
{
    if (file.keepsFile())
        return;
    const platform::TIniFile &ini = file.ini();
    m_on = ini.ReadBool(Options, CoachKey, false);
    // A figure that cannot be read counts from 0, as a statistics total does.
    const auto count = [&](const QString &key) -> long long {
        const QString text = ini.ReadString(Kept, key, QStringLiteral("0"));
        const auto n = platform::best::number(text);
        if (!n || *n < 0) {
            file.addProblem(platform::best::unreadableTotal(key, text, file.path()));
            return 0;
        }
        return *n;
    };
    m_totals.moves = count(MovesKey);
    m_totals.best = std::min(count(BestKey), m_totals.moves);
    const QString loss = ini.ReadString(Kept, LossKey, QStringLiteral("0"));
    bool ok = false;
    m_totals.loss = QLocale::c().toDouble(loss.trimmed(), &ok);
    if (!ok || !std::isfinite(m_totals.loss) || m_totals.loss < 0) {
        m_totals.loss = 0;
        file.addProblem(
            QCoreApplication::translate("TCoach", "'%1' is not a valid number.").arg(loss) + QLatin1Char('\n') +
            QCoreApplication::translate("platform::best", "The statistics total %1 in \"%2\" counts from 0.")
                .arg(LossKey, file.path()));
    }
}

void TCoach::writeKeys(platform::SettingsFile &file) const
{
    platform::TIniFile &ini = file.ini();
    if (m_optionChanged || ini.ValueExists(Options, CoachKey))
        ini.WriteBool(Options, CoachKey, m_on);
    if (!m_totalsChanged)
        return;
    ini.WriteInteger(Kept, MovesKey, m_totals.moves);
    ini.WriteInteger(Kept, BestKey, m_totals.best);
    ini.WriteString(Kept, LossKey, QString::number(m_totals.loss, 'f', 3));
}

void TCoach::rate(std::function<coach::Rating()> work)
{
    const int game = m_game, decision = m_made++;
    const bool kept = m_on;
    m_pool.start([this, game, decision, kept, work = std::move(work)] {
        const coach::Rating rating = work();
        QMetaObject::invokeMethod(
            this, [this, game, decision, kept, rating] { take(game, decision, kept, rating); }, Qt::QueuedConnection);
    });
}

void TCoach::setOutcome(double yours)
{
    const int decision = m_made - 1;
    if (decision < 0)
        return;
    if (std::size_t(decision) < m_ratings.size()) {
        m_ratings[std::size_t(decision)].yours = yours;
        if (m_review)
            m_review->showRatings();
    } else {
        m_outcomes.emplace_back(decision, yours);
    }
}

void TCoach::take(int game, int decision, bool kept, coach::Rating rating)
{
    if (kept) {
        ++m_totals.moves;
        m_totals.best += rating.grade == coach::Grade::Best ? 1 : 0;
        m_totals.loss += rating.loss;
        m_totalsChanged = true;
    }
    if (game != m_game)
        return;
    for (auto it = m_outcomes.begin(); it != m_outcomes.end(); ++it)
        if (it->first == decision) {
            rating.yours = it->second;
            m_outcomes.erase(it);
            break;
        }
    m_ratings.push_back(rating);
    if (m_review)
        m_review->showRatings();
    emit rated(rating);
}

void TCoach::newGame()
{
    ++m_game;
    m_made = 0;
    m_ratings.clear();
    m_outcomes.clear();
    if (m_review)
        m_review->showRatings();
}

void TCoach::settle()
{
    m_pool.waitForDone();
    QCoreApplication::sendPostedEvents(this);
}

QString TCoach::statusOf(const coach::Rating &rating) const
{
    return rating.grade == coach::Grade::Best ? QCoreApplication::translate("TCoach", "Best move.") : rating.verdict;
}

TReviewDialog &TCoach::review(QWidget *parent)
{
    if (!m_review)
        m_review = new TReviewDialog(*this, parent);
    return *m_review;
}
