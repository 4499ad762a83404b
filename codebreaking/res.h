#pragma once

#include "codebreaking/records.h"
#include "codebreaking/rules.h"
#include "controls/formkit.h"
#include "platform/platform.h"

#include <functional>

class QLabel;
class QPushButton;

namespace codebreaking {

// The end of a won game: lines used, time and a word on it. OK ranks a real
// game against the best players and opens the name entry it has earned.
class TResult : public formkit::Dialog {
    Q_OBJECT
public:
    TResult(platform::Platform &platform, const GameState &game, const BestRecords &records, QWidget *parent = nullptr);

    // The word on a game won at that line.
    static QString CommentFor(int line);

    // Handlers. FormCreate runs at creation and each time the dialog opens.
    void FormCreate();
    void OKButtonClick();

    // The entry dialogs, made after this one and hooked in by the program.
    std::function<void()> showTopScore;
    std::function<void()> showCongratulations;

    QLabel *Label1; // "N. of guesses:"
    QLabel *guesses;
    QLabel *Label2; // "Total time:"
    QLabel *totalTime;
    QLabel *Comment;
    QPushButton *OKButton;

protected:
    void FormActivate() override;

private:
    platform::Platform &m_platform;
    const GameState &m_game;
    const BestRecords &m_records;
};

} // namespace codebreaking
