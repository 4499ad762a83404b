#include "controls/recordsdialogs.h"

#include "controls/arrowbtn.h"
#include "platform/platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace recordsdialogs {

void recordThenOpen(QDialog &box, platform::Platform &platform, NextOpens next,
                    const std::function<bool(QString *badText)> &record, const std::function<void()> &open)
{
    if (next == NextOpens::AfterThis)
        box.accept();
    QString bad;
    if (!record(&bad)) {
        if (next == NextOpens::OverThis)
            box.accept();
        platform.messages.show(box.parentWidget(), platform::MsgIcon::Error, platform::best::conversionError(bad),
                               platform::Ok);
        return;
    }
    open();
    if (next == NextOpens::OverThis)
        box.accept();
}

void rankThenOpen(QDialog &box, platform::Platform &platform, NextOpens next,
                  const std::function<Placing(QString *badText)> &rank, const std::function<void()> &openBest,
                  const std::function<void()> &openBestFive)
{
    Placing placing = Placing::None;
    const auto ranked = [&](QString *bad) {
        placing = rank(bad);
        return placing != Placing::Unreadable;
    };
    const auto open = [&] {
        if (placing == Placing::Best && openBest)
            openBest();
        else if (placing == Placing::BestFive && openBestFive)
            openBestFive();
    };
    recordThenOpen(box, platform, next, ranked, open);
}

BestPlayersTable::BestPlayersTable(platform::Platform &platform, TableSource source, QWidget *parent)
    : formkit::Dialog(parent), m_platform(platform), m_source(std::move(source))
{
}

TArrowButton *BestPlayersTable::addMarker(QWidget *on, const QRect &geometry, const QString &caption)
{
    auto *marker = new TArrowButton(on);
    marker->setGeometry(geometry);
    marker->SetDirection(arwRIGHT);
    marker->SetButtonColor(clYellow);
    marker->setAccessibleCaption(caption);
    m_markers << marker;
    const std::array fields = {&ab1, &ab2, &ab3, &ab4, &ab5};
    if (m_markers.size() <= qsizetype(fields.size()))
        *fields[m_markers.size() - 1] = marker;
    return marker;
}

void BestPlayersTable::addCells(const QList<QLabel *> &cells)
{
    m_cells << cells;
    const std::array fields = {&n1, &n2, &n3, &n4, &n5};
    if (m_cells.size() <= qsizetype(fields.size()))
        *fields[m_cells.size() - 1] = cells.value(0);
}

void BestPlayersTable::setWordsLines(QLabel *from, QLabel *words, const QString &fromCaption, QWidget *across)
{
    m_from = from;
    m_words = words;
    m_fromCaption = fromCaption;
    m_across = across;
}

void BestPlayersTable::showTable()
{
    for (int place = 1; place <= m_markers.size(); ++place) {
        m_markers[place - 1]->SetButtonColor(m_source.marked(place) ? clRed : clYellow);
        const QStringList texts = m_source.cells(place);
        const QList<QLabel *> &cells = m_cells.value(place - 1);
        for (int column = 0; column < cells.size(); ++column)
            cells[column]->setText(texts.value(column));
        if (readOut && !cells.isEmpty())
            cells[0]->setAccessibleName(readOut(place, texts));
    }
}

void BestPlayersTable::showWords()
{
    if (!m_from || !m_words)
        return;
    m_from->setText(m_fromCaption.arg(m_source.cells(1).value(0)));
    m_words->setText(m_source.words());
    const int width =
        m_across->isWindow() && m_across->isVisible() ? m_across->frameGeometry().width() : m_across->width();
    for (QLabel *line : {m_from, m_words})
        formkit::centreAcross(line, width);
}

void BestPlayersTable::ClearRowMarks()
{
    m_source.clearMarks();
    showTable();
}

void BestPlayersTable::resetOnYes(const QString &question)
{
    if (m_platform.messages.show(this, platform::MsgIcon::Confirmation, question, platform::Yes | platform::No) !=
        platform::Yes)
        return;
    m_source.reset();
    showTable();
    showWords();
}

NameEntry::NameEntry(platform::Platform &platform, QDialog &table, NextOpens next, QWidget *parent)
    : formkit::Dialog(parent), m_platform(platform), m_table(table), m_next(next)
{
}

namespace {

QLabel *caption(QWidget *on, const QString &text, const QRect &at, Qt::Alignment align = Qt::AlignLeft)
{
    if (!at.isEmpty())
        return formkit::label(on, text, at, align);
    auto *label = new QLabel(text, on);
    label->move(at.topLeft());
    return label;
}

QLineEdit *field(QWidget *on, const QRect &at, int maxLength, const std::optional<QFont> &font,
                 std::optional<TColor> colour)
{
    QLineEdit *edit = formkit::lineField(on, at, maxLength);
    if (font)
        edit->setFont(*font);
    if (colour)
        formkit::setTextColor(edit, *colour);
    return edit;
}

} // namespace

void NameEntry::addLines(QWidget *on, const EntryLayout &layout, const EntryTexts &texts, int nameLength,
                         int wordsLength)
{
    Label1 = caption(on, texts.heading, layout.heading, layout.headingAlignment);
    Label1->setFont(formkit::font(11, true));
    Label2 = caption(on, texts.namePrompt, layout.namePrompt);
    Edit1 = field(on, layout.nameField, nameLength, layout.fieldFont, layout.nameColour);
    Label2->setBuddy(Edit1);
    if (!texts.wordsPrompt.isEmpty()) {
        Label3 = caption(on, texts.wordsPrompt, layout.wordsPrompt);
        Edit2 = field(on, layout.wordsField, wordsLength, layout.fieldFont, layout.wordsColour);
        Label3->setBuddy(Edit2);
    }
    // Sized to their texts once their fonts are set.
    for (const auto &[label, at] : {std::pair{Label1, layout.heading}, std::pair{Label2, layout.namePrompt},
                                    std::pair{Label3, layout.wordsPrompt}})
        if (label && at.isEmpty())
            label->adjustSize();
}

std::pair<QPushButton *, QPushButton *> NameEntry::addButtons(const EntryTexts &texts, const QRect &ok,
                                                              const QRect &cancel)
{
    QPushButton *okButton = formkit::button(this, texts.ok, ok);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &NameEntry::enter);
    if (cancel.isEmpty())
        return {okButton, nullptr};
    QPushButton *cancelButton = formkit::button(this, texts.cancel, cancel);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    if (Edit2)
        setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2 ? Edit2 : Edit1, okButton);
    setTabOrder(okButton, cancelButton);
    return {okButton, cancelButton};
}

void NameEntry::FormActivate() { Edit1->setFocus(Qt::OtherFocusReason); }

void NameEntry::enter()
{
    recordThenOpen(
        *this, m_platform, m_next, [this](QString *bad) { return !record || record(bad); },
        [this] { m_platform.messages.exec(m_table); });
}

} // namespace recordsdialogs
