#include "tests/support/languagesuite.h"

#include "controls/gamewindow.h"
#include "platform/help.h"
#include "platform/language.h"

#include <QAbstractButton>
#include <QToolButton>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// The pseudo translation, made at build time from the .ts files.
struct PseudoTranslation {
    QTranslator translator;
    bool loaded = false;
    PseudoTranslation()
    {
        loaded = translator.load(QStringLiteral(GAMES_PSEUDO_QM)) && QCoreApplication::installTranslator(&translator);
    }
    ~PseudoTranslation() { QCoreApplication::removeTranslator(&translator); }
};

// A text the player reads that did not come through the translations:
// letters outside every "⟦…⟧" (texts without letters, numbers and signs,
// need none).
bool untranslated(const QString &text)
{
    static const QRegularExpression marked(u"⟦[^⟦⟧]*⟧"_s);
    QString rest = text;
    // Innermost first: a translated text may hold others through %1.
    for (qsizetype before = -1; before != rest.size();) {
        before = rest.size();
        rest.remove(marked);
    }
    return std::any_of(rest.cbegin(), rest.cend(), [](QChar c) { return c.isLetter(); });
}

QString nameOf(const QObject *o)
{
    return o->objectName().isEmpty() ? QLatin1String(o->metaObject()->className()) : o->objectName();
}

// Every text of the window and its children as the player or a screen reader gets it.
void readTexts(QWidget &window, QStringList &seen)
{
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    widgets.prepend(&window);
    const auto add = [&seen](const QObject *o, const char *what, const QString &text) {
        seen << u"%1 %2: %3"_s.arg(nameOf(o), QLatin1String(what), text);
    };
    for (QWidget *w : widgets) {
        if (w->isWindow())
            add(w, "title", w->windowTitle());
        add(w, "accessible name", w->accessibleName());
        add(w, "accessible description", w->accessibleDescription());
        add(w, "tool tip", w->toolTip());
        if (auto *label = qobject_cast<QLabel *>(w))
            add(w, "text", label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            add(w, "text", button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            add(w, "title", group->title());
        else if (auto *menu = qobject_cast<QMenu *>(w))
            add(w, "title", menu->title());
    }
    for (QAction *a : window.findChildren<QAction *>()) {
        add(a, "text", a->text());
        add(a, "status tip", a->statusTip());
    }
}

QStringList untranslatedOf(const QStringList &seen, const QStringList &kept)
{
    static const QStringList names = {u"Pegora"_s, u"Kubolo"_s, u"Cartova"_s};
    QStringList faults;
    for (const QString &entry : seen) {
        const QString text = entry.section(u": "_s, 1);
        if (names.contains(text) || kept.contains(text) || text.contains(u'@') || text.startsWith(u"www."_s))
            continue;
        if (untranslated(text))
            faults << entry;
    }
    faults.removeDuplicates();
    return faults;
}

// Where the control draws its text and how much room that takes, in its
// own pixels; empty when it has no plain text of its own.
struct Room {
    QRect room;
    QRect needed;
};

Room roomOf(QWidget *w)
{
    QString text;
    QRect room;
    int flags = Qt::AlignLeft | Qt::AlignVCenter;
    int extra = 0;
    bool wrap = false;
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (!label->pixmap().isNull() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text()))
            return {};
        text = label->text();
        room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        wrap = label->wordWrap();
        flags = int(label->alignment()) | (wrap ? Qt::TextWordWrap : 0);
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        text = button->text();
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        const bool box = qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w);
        room = w->style()->subElementRect(box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, w);
        // An icon beside the text takes room from it; one above it does not.
        const auto *tool = qobject_cast<QToolButton *>(w);
        const bool above = tool && tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon;
        if (!button->icon().isNull() && !above)
            extra = button->iconSize().width() + 4;
    } else {
        return {};
    }
    text.remove(u'&');
    if (text.trimmed().isEmpty() || room.isEmpty())
        return {};
    const QRect bounds(room.left(), room.top(), wrap ? room.width() : 1 << 20, 1 << 20);
    QRect needed = w->fontMetrics().boundingRect(bounds, flags, text);
    needed.setWidth(needed.width() + extra);
    return {room, needed};
}

// Where the text is drawn, in the window's pixels: its own width from the
// font and its alignment in its control, the band of its letters' bodies
// high, so lines that merely share their leading do not count.
QRect drawnText(QWidget &window, QWidget *w)
{
    const Room r = roomOf(w);
    if (r.room.isEmpty())
        return {};
    QString text = qobject_cast<QLabel *>(w) ? static_cast<QLabel *>(w)->text()
                                             : static_cast<QAbstractButton *>(w)->text();
    text.remove(u'&');
    int flags = Qt::AlignLeft | Qt::AlignVCenter;
    QRect room = r.room;
    if (auto *label = qobject_cast<QLabel *>(w)) {
        flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    } else {
        // A push button centres its text; a box puts it after the box.
        flags = qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w) ? Qt::AlignLeft | Qt::AlignVCenter
                                                                                : Qt::AlignCenter;
    }
    const QFontMetrics fm = w->fontMetrics();
    const QRect drawn = fm.boundingRect(room, flags, text).adjusted(0, fm.descent(), 0, -fm.descent());
    return QRect(w->mapTo(&window, drawn.topLeft()), drawn.size());
}

} // namespace

// Two texts drawn over each other, one line each pair.
QStringList textsThatOverlap(QWidget &window)
{
    QStringList faults;
    std::vector<std::pair<QWidget *, QRect>> drawn;
    for (QWidget *w : window.findChildren<QWidget *>())
        if (w->window() == &window && w->isVisibleTo(&window))
            if (const QRect r = drawnText(window, w); !r.isEmpty())
                drawn.emplace_back(w, r);
    for (std::size_t i = 0; i < drawn.size(); ++i)
        for (std::size_t j = i + 1; j < drawn.size(); ++j)
            if (drawn[i].second.intersects(drawn[j].second))
                faults << u"%1: %2 over %3"_s.arg(nameOf(&window), nameOf(drawn[i].first), nameOf(drawn[j].first));
    return faults;
}

// A text wider than its control on one line, or a wrapped text taller than
// it: cut off where the player reads it. One line each, with its control.
QStringList textsThatDoNotFit(QWidget &window)
{
    QStringList faults;
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (w->window() != &window || !w->isVisibleTo(&window))
            continue;
        const Room r = roomOf(w);
        if (r.room.isEmpty())
            continue;
        const bool wrapped = qobject_cast<QLabel *>(w) && static_cast<QLabel *>(w)->wordWrap();
        if (r.needed.width() > r.room.width() || (wrapped && r.needed.height() > r.room.height()))
            faults << u"%1/%2 \"%3\": needs %4x%5, has %6x%7"_s.arg(nameOf(&window), nameOf(w))
                          .arg(qobject_cast<QLabel *>(w) ? static_cast<QLabel *>(w)->text()
                                                         : static_cast<QAbstractButton *>(w)->text())
                          .arg(r.needed.width())
                          .arg(r.needed.height())
                          .arg(r.room.width())
                          .arg(r.room.height());
    }
    return faults;
}

void LanguageSuite::init()
{
    QDir config(qEnvironmentVariable("XDG_CONFIG_HOME"));
    QFile::remove(config.filePath(fileName()));
}

void LanguageSuite::cleanup()
{
    platform::setUpLanguage(game(), QString());
    init();
}

QStringList LanguageSuite::walk(platform::testing::FakePlatform &fake, bool everyItem)
{
    QStringList seen;
    std::unique_ptr<QWidget> window = start(fake);
    auto *shell = qobject_cast<TGameWindow *>(window.get());
    makeDialogs(fake, *window);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return {u"window not shown: "_s};
    readTexts(*window, seen);
    for (QAction *a : everyItem ? window->findChildren<QAction *>() : QList<QAction *>()) {
        if (a->isSeparator() || a->menu() || a->objectName().contains(u"Exit"_s) ||
            a->objectName().contains(u"Esci"_s))
            continue;
        a->trigger();
        QCoreApplication::processEvents();
        // A hint is worked out away from the board; its words follow, unless
        // the work is long (Kubolo's first, under the sanitizers): then the
        // status line's words while it works are what is read.
        if (shell)
            (void)QTest::qWaitFor([&] { return !shell->statusLine()->text().contains(u"Working out"_s); }, 5000);
        if (shell)
            seen << u"status line after %1: %2"_s.arg(a->objectName(), shell->statusLine()->text());
        readTexts(*window, seen);
    }
    for (const auto &m : fake.messages.shown)
        seen << u"message: %1"_s.arg(m.text) << u"message title: %1"_s.arg(m.title);
    // The help window's own texts: its title and what is missing.
    platform::HelpWindow help;
    help.open(u"nothing.hlp"_s, u"rules"_s);
    seen << u"help title: %1"_s.arg(help.windowTitle()) << u"help notice: %1"_s.arg(help.notice());
    help.close();
    window->close();
    return seen;
}

void LanguageSuite::everyTextIsTranslated()
{
    // The game as English shows it: many texts, none marked.
    platform::testing::FakePlatform english;
    const QStringList plain = walk(english, false);
    QVERIFY(plain.size() > 50);
    QVERIFY(!untranslatedOf(plain, keptTexts()).isEmpty());

    PseudoTranslation pseudo;
    QVERIFY2(pseudo.loaded, GAMES_PSEUDO_QM);
    init();
    platform::testing::FakePlatform fake;
    const QStringList faults = untranslatedOf(walk(fake, true), keptTexts());
    QVERIFY2(faults.isEmpty(), qPrintable(u"Not through the translations:\n"_s + faults.join(u'\n')));
}

void LanguageSuite::theSettingsFileIsTheSameInAnyLanguage()
{
    const QString path = QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(fileName());
    // Every option turned over, answering yes to each question, and the window closed.
    const auto play = [&] {
        platform::testing::FakePlatform fake;
        std::unique_ptr<QWidget> window = start(fake);
        window->show();
        for (QAction *a : window->findChildren<QAction *>())
            if (a->isCheckable())
                a->trigger();
        QCoreApplication::processEvents();
        window->close();
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray english = play();
    QVERIFY(english.contains("[Options]"));
    init();
    PseudoTranslation pseudo;
    QVERIFY(pseudo.loaded);
    const QByteArray translated = play();
    QCOMPARE(translated, english);
}

void LanguageSuite::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QString();
    // Each language whose texts are all translated, the shared ones and the game's.
    for (const QString &lang : platform::translatedLanguages()) {
        bool finished = true;
        for (const QString &name : {u"common"_s, game()}) {
            QFile ts(QStringLiteral(GAMES_TRANSLATIONS_DIR "/%1_%2.ts").arg(name, lang));
            finished = finished && ts.open(QIODevice::ReadOnly) && !ts.readAll().contains("type=\"unfinished\"");
        }
        if (finished)
            QTest::newRow(qPrintable(lang)) << lang;
    }
}

void LanguageSuite::everyTextFits()
{
    // The check itself: a label narrower than its words is found.
    {
        QWidget narrow;
        auto *label = new QLabel(u"Words of Wisdom"_s, &narrow);
        label->setGeometry(0, 0, 30, 16);
        QCOMPARE(textsThatDoNotFit(narrow).size(), 1);
        label->setGeometry(0, 0, label->sizeHint().width(), 16);
        QVERIFY(textsThatDoNotFit(narrow).isEmpty());
        // ...and one drawn into its neighbour, though their rectangles meet
        // by design, as a name and its right-aligned figure do.
        auto *figure = new QLabel(u"X 1000"_s, &narrow);
        figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        figure->setGeometry(0, 0, label->width() + 20, 16);
        QCOMPARE(textsThatOverlap(narrow).size(), 1);
        figure->setText(u"X 1"_s);
        QVERIFY(textsThatOverlap(narrow).isEmpty());
    }
    QFETCH(QString, language);
    QCOMPARE(platform::setUpLanguage(game(), language), language);
    platform::testing::FakePlatform fake;
    std::unique_ptr<QWidget> window = start(fake);
    auto *shell = qobject_cast<TGameWindow *>(window.get());
    QVERIFY(shell);
    makeDialogs(fake, *window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QStringList faults;
    int read = 0;
    for (qreal zoom : {1.0, 1.25, 2.0}) {
        shell->setZoom(zoom);
        QCoreApplication::processEvents();
        QList<QWidget *> windows{window.get()};
        for (QDialog *d : window->findChildren<QDialog *>())
            windows << d;
        for (QWidget *w : windows) {
            w->show();
            QCoreApplication::processEvents();
            read += int(w->findChildren<QWidget *>().size());
            for (const QString &f : textsThatDoNotFit(*w) + textsThatOverlap(*w))
                faults << u"at zoom %1: %2"_s.arg(zoom).arg(f);
            for (const QString &status : w == window.get() ? widestStatusTexts() : QStringList()) {
                shell->setStatus(status);
                for (const QString &f : textsThatDoNotFit(*w))
                    faults << u"at zoom %1: %2"_s.arg(zoom).arg(f);
                shell->setStatus({});
            }
            if (w != window.get())
                w->hide();
        }
    }
    window->close();
    QVERIFY(read > 40);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}
