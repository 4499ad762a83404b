#pragma once

#include "controls/formkit.h"
#include "platform/besttable.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

class QLabel;
class QLineEdit;
class QPushButton;
class TArrowButton;

namespace platform {
struct Platform;
}

// The records dialogs of the scoring games: the best players table, the name
// entry a good result earns, and what an end-of-game box does on OK. Each
// game lays its own out, words its captions, and says how its results are
// ranked and recorded.
namespace recordsdialogs {

using platform::best::Placing;

// Whether a box stays in sight behind the dialog its OK opens until that one
// is closed, or closes first so the next stands alone.
enum class NextOpens { OverThis, AfterThis };

// OK on a box of the records: record (or rank) the result, then open what it
// earned. A text of the table that is no number stops it: the box closes and
// the player is told which text it was.
void recordThenOpen(QDialog &box, platform::Platform &platform, NextOpens next,
                    const std::function<bool(QString *badText)> &record, const std::function<void()> &open);

// An end-of-game box's OK: rank the game (Placing::None when it is not to be
// ranked) and open the entry it earned.
void rankThenOpen(QDialog &box, platform::Platform &platform, NextOpens next,
                  const std::function<Placing(QString *badText)> &rank, const std::function<void()> &openBest,
                  const std::function<void()> &openBestFive);

// What the table shows of a game's records, places 1 to 5.
struct TableSource {
    std::function<QStringList(int place)> cells; // the row's texts, the name first
    std::function<bool(int place)> marked;
    std::function<QString()> words;
    std::function<void()> clearMarks;
    std::function<void()> reset; // the fresh table and words, nothing marked
};

// The source over a game's records, a row shown as the texts it names.
template <class Row, class... Texts>
TableSource tableOf(platform::best::BestPlayers<Row> &best, platform::best::Table<Row> (*fresh)(), Texts Row::*...texts)
{
    return {[&best, texts...](int place) { return QStringList{(best.table[place - 1].*texts)...}; },
            [&best](int place) { return best.marked[place - 1]; }, [&best] { return best.WordsOfWisdom; },
            [&best] { best.clearMarks(); }, [&best, fresh] { best.reset(fresh()); }};
}

// The five best players: a marker at the left of each row, red where a name
// was entered this run, and above them the best player's words of wisdom.
// The game lays out the rows and the words lines and hands them in here.
class BestPlayersTable : public formkit::Dialog {
    Q_OBJECT
public:
    // All five markers yellow again.
    void ClearRowMarks();

    TArrowButton *marker(int place) const { return m_markers.at(place - 1); }
    QLabel *cell(int place, int column) const { return m_cells.at(place - 1).at(column); }

    TArrowButton *ab1 = nullptr, *ab2 = nullptr, *ab3 = nullptr, *ab4 = nullptr, *ab5 = nullptr;
    QLabel *n1 = nullptr, *n2 = nullptr, *n3 = nullptr, *n4 = nullptr, *n5 = nullptr; // the names

protected:
    BestPlayersTable(platform::Platform &platform, TableSource source, QWidget *parent);

    // The next row's marker, yellow and pointing right; then its cells.
    TArrowButton *addMarker(QWidget *on, const QRect &geometry, const QString &caption);
    void addCells(const QList<QLabel *> &cells);
    // The two lines above the table, centred across `across` (a shown
    // window with its frame). fromCaption has the best player's name as %1.
    void setWordsLines(QLabel *from, QLabel *words, const QString &fromCaption, QWidget *across);

    void showTable();
    void showWords();
    // Back to the fresh table once the player answers Yes.
    void resetOnYes(const QString &question);

    // What assistive technology reads for a row's name, where the game says.
    std::function<QString(int place, const QStringList &cells)> readOut;

private:
    platform::Platform &m_platform;
    TableSource m_source;
    QList<TArrowButton *> m_markers;
    QList<QList<QLabel *>> m_cells;
    QLabel *m_from = nullptr, *m_words = nullptr;
    QString m_fromCaption;
    QWidget *m_across = nullptr;
};

// Where a name entry's lines stand, on the dialog or on its panel. A caption
// whose rectangle has no size stands at its corner, as wide as its text.
struct EntryLayout {
    QRect heading, namePrompt, nameField, wordsPrompt, wordsField;
    Qt::Alignment headingAlignment = Qt::AlignLeft;
    std::optional<QFont> fieldFont = {};
    std::optional<TColor> nameColour = {}, wordsColour = {};
};

// Without a words prompt the entry takes the name only; without Cancel it
// has OK only.
struct EntryTexts {
    QString heading, namePrompt, wordsPrompt, ok;
    QString cancel = {};
};

// A result the table takes: the player's name, and for the best the words of
// wisdom. OK has the game record them, then the table opens.
class NameEntry : public formkit::Dialog {
    Q_OBJECT
public:
    // The name takes the focus.
    void FormActivate() override;

    QLabel *Label1 = nullptr, *Label2 = nullptr;
    QLabel *Label3 = nullptr;   // with the words only
    QLineEdit *Edit1 = nullptr; // the name, kept from one entry to the next
    QLineEdit *Edit2 = nullptr; // the words, with the words only

protected:
    NameEntry(platform::Platform &platform, QDialog &table, NextOpens next, QWidget *parent);

    void addLines(QWidget *on, const EntryLayout &layout, const EntryTexts &texts, int nameLength, int wordsLength);
    // OK, the default button, and Cancel where it has a place; with Cancel
    // the tab runs through the fields to OK, then Cancel.
    std::pair<QPushButton *, QPushButton *> addButtons(const EntryTexts &texts, const QRect &ok,
                                                       const QRect &cancel = {});
    void enter();

    // Records what was typed; false, with the text, when a row in the way is
    // no number.
    std::function<bool(QString *badText)> record;

private:
    platform::Platform &m_platform;
    QDialog &m_table;
    NextOpens m_next;
};

} // namespace recordsdialogs
