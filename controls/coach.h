#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace platform {
class SettingsFile;
}

class TReviewDialog;

// The coach: every decision of the player rated against the best one in the
// same position, in the game's own measure, as the hint works it out.
namespace coach {

enum class Grade { Best, SmallError, Blunder };

struct Rating {
    QString move;    // the move made, in the hint's words
    QString best;    // the best move, in the same words
    double loss = 0; // what the move gave away, never below 0
    Grade grade = Grade::Best;
    QString verdict;    // the status line's words for a move that was not the best
    double yours = 0;   // the chart: where the game stands after the move
    double perfect = 0; // ...and where it would after the best one
};

// A loss the figure shown rounds to nothing is no loss: the move was as good
// as the best.
bool roundsToNothing(double loss, int decimals);
// A rating of a move that gave away `loss`: best when the figure shown
// rounds to nothing, else a blunder when the game says so, or a small error.
Rating ratingOf(double loss, int decimals, bool blunder);
// An amount in the game's words, "4.5 points": `text` (marked with
// QT_TRANSLATE_N_NOOP, the figure as %1) in the plural form of the figure
// shown. A figure with decimals takes the form of its whole part, which each
// language's forms are written for ("1.5 points", French "1,5 point").
QString amountIn(const char *context, const char *text, double amount, int decimals);
// The status line's words for a move that was not the best: "Best was:
// <best> (<why>)."
QString verdict(const QString &best, const QString &why);

// The figures kept over runs while the coach is on.
struct Totals {
    long long moves = 0;
    long long best = 0;
    double loss = 0;
};

// What a game tells the coach of its measure, in its own words.
struct Words {
    int decimals = 0; // of a loss as shown
    // The measure's words, marked with QT_TRANSLATE_N_NOOP in `context`, the
    // figure as %1: "%1 points lost" for the summary and the verdict, "%1
    // points" for the mean and the average.
    const char *context = "";
    const char *lostText = "%1 lost";
    const char *amountText = "%1";
    QString lost(double loss) const { return amountIn(context, lostText, loss, decimals); }
    QString amount(double loss) const { return amountIn(context, amountText, loss, decimals); }
    QString across;           // the chart's horizontal axis: the decisions
    QString upward;           // ...its vertical one: the measure
    QString yours;            // the line of the player's play
    QString perfect;          // the line of the best play
    bool logarithmic = false; // a measure that falls by factors
    // The best play's line is the player's plus the losses so far: where
    // the game would stand, in expectation, had every move been the best.
    bool lossesAddUp = false;
};

} // namespace coach

// The coach of one game window: the ratings of the game under way, worked
// out one after another on a thread of their own; the Coach option; the
// totals kept in the settings file while the option is on; the review.
class TCoach : public QObject {
    Q_OBJECT
public:
    explicit TCoach(QObject *parent = nullptr);
    ~TCoach() override;

    void setWords(coach::Words words) { m_words = std::move(words); }
    const coach::Words &words() const { return m_words; }

    bool on() const { return m_on; }
    void toggle();

    // [Options] Coach and the [Coach] section: read as the file has them,
    // written only once the player changed the option or the coach kept a
    // figure, so a file the coach never touched stays as it was.
    void readKeys(platform::SettingsFile &file);
    void writeKeys(platform::SettingsFile &file) const;

    // A decision: work() rates it beside the board. Ratings come back in
    // the order of the decisions, each told by rated().
    void rate(std::function<coach::Rating()> work);
    // Work the ratings will need (tables of the game), done on their thread
    // before them, so neither the first rating nor the first hint waits.
    void prepare(std::function<void()> work) { m_pool.start(std::move(work)); }
    // Where the game stands once the last decision has played out (the
    // credits after the hand): the chart's point for it.
    void setOutcome(double yours);
    // The ratings so far belong to a game gone; those still on their way
    // are kept in the totals only.
    void newGame();
    // Waits for the ratings on their way (the tests, and the close).
    void settle();

    const std::vector<coach::Rating> &ratings() const { return m_ratings; }
    const coach::Totals &totals() const { return m_totals; }
    // The line a rating leaves on the status line while the coach is on.
    QString statusOf(const coach::Rating &rating) const;

    // The review of the game so far, made when first wanted.
    TReviewDialog &review(QWidget *parent);

signals:
    void rated(const coach::Rating &rating);

private:
    void take(int game, int decision, bool kept, coach::Rating rating);

    coach::Words m_words;
    bool m_on = false;
    bool m_optionChanged = false;
    bool m_totalsChanged = false;
    coach::Totals m_totals;
    std::vector<coach::Rating> m_ratings;
    int m_game = 0;
    int m_made = 0;                                 // decisions of the game under way
    std::vector<std::pair<int, double>> m_outcomes; // of decisions not yet rated
    QThreadPool m_pool;
    TReviewDialog *m_review = nullptr;
};
