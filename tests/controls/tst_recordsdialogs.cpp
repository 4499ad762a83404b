#include "controls/arrowbtn.h"
#include "controls/recordsdialogs.h"
#include "platform/testing/fakeplatform.h"
#include "tests/support/testregistry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace recordsdialogs;
using namespace Qt::StringLiterals;
using platform::testing::FakePlatform;

namespace {

struct Row {
    QString name, score;
};

platform::best::Table<Row> fresh() { return {{{u"Ada"_s, u"9"_s}, {u"Bo"_s, u"8"_s}, {u"Cy"_s, u"7"_s}, {}, {}}}; }

// A table laid out as simply as a game could: a marker and two cells a row.
struct Table : BestPlayersTable {
    QLabel *from = new QLabel(this), *words = new QLabel(this);
    Table(FakePlatform &fake, platform::best::BestPlayers<Row> &best)
        : BestPlayersTable(fake.platform, tableOf(best, fresh, &Row::name, &Row::score), nullptr)
    {
        resize(300, 200);
        setWordsLines(from, words, u"Words of %1:"_s, this);
        for (int place = 1; place <= 5; ++place) {
            addMarker(this, QRect(5, 20 * place, 20, 20), QString());
            addCells({new QLabel(this), new QLabel(this)});
        }
        readOut = [](int place, const QStringList &cells) { return QString::number(place) + cells.join(u'/'); };
        showTable();
    }
    using BestPlayersTable::resetOnYes;
    using BestPlayersTable::showWords;
};

struct Entry : NameEntry {
    QStringList recorded;
    Entry(FakePlatform &fake, QDialog &table, const EntryTexts &texts, NextOpens next = NextOpens::OverThis)
        : NameEntry(fake.platform, table, next, nullptr)
    {
        // The captions at their corners, sized to their texts.
        addLines(
            this,
            {QRect(5, 5, 0, 0), QRect(5, 25, 0, 0), QRect(5, 45, 200, 20), QRect(5, 70, 0, 0), QRect(5, 90, 200, 20)},
            texts, 10, 20);
        addButtons(texts, QRect(5, 120, 60, 25), texts.cancel.isEmpty() ? QRect() : QRect(80, 120, 60, 25));
        record = [this](QString *) {
            recorded << Edit1->text() << (Edit2 ? Edit2->text() : QString());
            return true;
        };
    }
    QPushButton *button(const QString &text) const
    {
        for (QPushButton *b : findChildren<QPushButton *>())
            if (b->text() == text)
                return b;
        return nullptr;
    }
};

QWidget *tabAfter(QWidget *w)
{
    do
        w = w->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus));
    return w;
}

} // namespace

class RecordsDialogsShared : public QObject {
    Q_OBJECT
private slots:
    void okRecordsThenOpensOverOrAfterTheBox()
    {
        FakePlatform fake;
        QWidget owner;
        QDialog box(&owner);
        for (NextOpens next : {NextOpens::OverThis, NextOpens::AfterThis}) {
            box.show();
            bool shownWhileRecording = false, shownWhileOpening = false;
            const auto record = [&](QString *) {
                shownWhileRecording = box.isVisible();
                return true;
            };
            recordThenOpen(box, fake.platform, next, record, [&] { shownWhileOpening = box.isVisible(); });
            QCOMPARE(shownWhileRecording, next == NextOpens::OverThis);
            QCOMPARE(shownWhileOpening, next == NextOpens::OverThis);
            QVERIFY(!box.isVisible());
            QCOMPARE(box.result(), int(QDialog::Accepted));
        }

        // A row that is no number: told once the box is closed, nothing opens.
        box.show();
        bool opened = false;
        rankThenOpen(
            box, fake.platform, NextOpens::OverThis,
            [](QString *bad) {
                *bad = u"x9"_s;
                return Placing::Unreadable;
            },
            [&] { opened = true; }, [&] { opened = true; });
        QVERIFY(!opened && !box.isVisible());
        QCOMPARE(fake.messages.lastText(), u"'x9' is not a valid integer value."_s);

        QStringList earned;
        for (Placing placing : {Placing::Best, Placing::BestFive, Placing::None})
            rankThenOpen(
                box, fake.platform, NextOpens::AfterThis, [placing](QString *) { return placing; },
                [&] { earned << u"best"_s; }, [&] { earned << u"five"_s; });
        QCOMPARE(earned, (QStringList{u"best"_s, u"five"_s}));
    }

    void theEntryRecordsTheNameAndOpensTheTable()
    {
        FakePlatform fake;
        QDialog table;
        table.setObjectName(u"Table"_s);
        Entry best(fake, table, {u"Best!"_s, u"Name:"_s, u"Words:"_s, u"OK"_s, u"Cancel"_s});
        QCOMPARE(best.Label1->width(), best.Label1->sizeHint().width());
        QCOMPARE(best.Label1->font().bold(), true);
        QCOMPARE(best.Label3->buddy(), best.Edit2);
        QCOMPARE(best.Edit1->maxLength(), 10);
        QCOMPARE(best.Edit2->maxLength(), 20);
        // Tab: name, words, OK, Cancel.
        QPushButton *ok = best.button(u"OK"_s);
        QCOMPARE(tabAfter(best.Edit1), best.Edit2);
        QCOMPARE(tabAfter(best.Edit2), ok);
        QCOMPARE(tabAfter(ok), best.button(u"Cancel"_s));
        QVERIFY(ok->isDefault());

        best.Edit1->setText(u"Pia"_s);
        best.Edit2->setText(u"Look twice"_s);
        best.button(u"Cancel"_s)->click();
        QVERIFY(best.recorded.isEmpty() && fake.messages.dialogs.isEmpty());
        ok->click();
        QCOMPARE(best.recorded, (QStringList{u"Pia"_s, u"Look twice"_s}));
        QCOMPARE(fake.messages.dialogs, QStringList{u"Table"_s});

        Entry five(fake, table, {u"Five!"_s, u"Name:"_s, {}, u"OK"_s}, NextOpens::AfterThis);
        QVERIFY(!five.Label3 && !five.Edit2 && !five.button(u"Cancel"_s));
        five.show();
        QVERIFY(QTest::qWaitForWindowExposed(&five));
        QCOMPARE(five.focusWidget(), five.Edit1);
        five.button(u"OK"_s)->click();
        QCOMPARE(five.recorded, (QStringList{QString(), QString()}));
        QVERIFY(!five.isVisible());
    }

    void theTableShowsTheRecordsAndResetsOnlyOnYes()
    {
        FakePlatform fake;
        platform::best::BestPlayers<Row> best(fresh());
        best.enterAt(2, {u"Zed"_s, u"x"_s});
        best.WordsOfWisdom = u"Hold on"_s;
        Table t(fake, best);
        QCOMPARE((QStringList{t.n1->text(), t.n2->text(), t.cell(2, 1)->text(), t.n3->text()}),
                 (QStringList{u"Ada"_s, u"Zed"_s, u"x"_s, u"Bo"_s}));
        QCOMPARE(t.n2->accessibleName(), u"2Zed/x"_s);
        QCOMPARE((QList<TColor>{t.ab1->ButtonColor(), t.ab2->ButtonColor(), t.ab5->ButtonColor()}),
                 (QList<TColor>{clYellow, clRed, clYellow}));
        t.showWords();
        QCOMPARE(t.from->text(), u"Words of Ada:"_s);
        QCOMPARE(t.words->x(), (300 - t.words->width()) / 2);

        fake.messages.answers = {platform::No};
        t.resetOnYes(u"Sure?"_s);
        QCOMPARE(t.n2->text(), u"Zed"_s);
        t.resetOnYes(u"Sure?"_s); // Yes
        QCOMPARE(t.n2->text(), u"Bo"_s);
        QCOMPARE(t.words->text(), platform::best::defaultWordsOfWisdom());
        QCOMPARE(t.ab2->ButtonColor(), clYellow);
        best.enterAt(4, {u"Ivo"_s, u"1"_s});
        t.ClearRowMarks();
        QVERIFY(best.marked == (std::array<bool, 5>{}));
        QCOMPARE(t.cell(4, 0)->text(), u"Ivo"_s);
    }
};

GAMES_TEST(RecordsDialogsShared);
#include "tst_recordsdialogs.moc"
