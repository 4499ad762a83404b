#include "dice/five.h"

#include "dice/bp.h"
#include "dice/records.h"
#include "dice/scoresheet.h"

#include <QFrame>
#include <QLineEdit>

namespace kubolo {

ResultEntry::ResultEntry(platform::Platform &platform, const ScoreSheet &sheet, TBestPlayers &bestPlayers,
                         GameSound sound, QWidget *parent)
    : NameEntry(platform, bestPlayers, recordsdialogs::NextOpens::AfterThis, parent), m_sheet(sheet),
      m_bestPlayers(bestPlayers), m_sound(std::move(sound))
{
}

void ResultEntry::layOut(const QString &objectName, const QString &caption, const recordsdialogs::EntryTexts &texts)
{
    const bool words = !texts.wordsPrompt.isEmpty();
    formkit::setUpDialog(this, objectName, caption, 296, words ? 202 : 156);
    Panel1 = formkit::frame(this, QFrame::Panel | QFrame::Raised, QRect(8, 8, 281, words ? 153 : 98));
    // The heading, the name's prompt and field, the words' prompt and field.
    addLines(Panel1,
             {QRect(16, 15, 0, 0), QRect(16, 35, 0, 0), QRect(16, 59, 249, 21), QRect(16, 90, 0, 0),
              QRect(16, 109, 249, 21), Qt::AlignLeft, formkit::font(11, true), clMaroon, clNavy},
             texts, MaxNameLength, MaxWordsLength);
    OKButton = addButtons(texts, QRect(110, words ? 170 : 122, 75, 25)).first;
}

void ResultEntry::FormActivate()
{
    NameEntry::FormActivate();
    Edit1->selectAll();
    m_sound(QStringLiteral("final.wav"));
}

TTopFive::TTopFive(platform::Platform &platform, const ScoreSheet &sheet, TBestPlayers &bestPlayers, GameSound sound,
                   QWidget *parent)
    : ResultEntry(platform, sheet, bestPlayers, std::move(sound), parent)
{
    layOut(QStringLiteral("TopFive"), tr("Congratulation"),
           {tr("Your score is one of the best five !"), tr("Please enter your name:"), {}, tr("OK")});
    record = [this](QString *) {
        insertTopFive(m_bestPlayers.records().best, Edit1->text(), m_sheet.GameTotal());
        return true;
    };
}

} // namespace kubolo
