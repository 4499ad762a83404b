#include "tests/support/contrastsuite.h"

#include "controls/tcolor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <cmath>

namespace {

// A dark desktop scheme as a desktop gives it, role by role in QPalette's order.
QPalette darkScheme()
{
    static const char *const roles[] = {"#ffffff", "#424245", "#979797", "#5e5c5b", "#302f2e", "#4a4947", "#ffffff",
                                        "#ffffff", "#ffffff", "#3d3d3d", "#222020", "#e7e4e0", "#12608a", "#f9f9f9",
                                        "#0986d3", "#a70b06", "#5c5b5a", "#ffffff", "#3f3f36", "#ffffff"};
    QPalette pal;
    for (int r = 0; r < int(std::size(roles)); ++r)
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
            pal.setColor(g, QPalette::ColorRole(r), QColor(QLatin1String(roles[r])));
    return pal;
}

// Where a control draws its text, in the window's logical pixels (empty:
// no text of its own).
QRect textRect(QWidget *w)
{
    QString text;
    QRect room;
    int flags = Qt::AlignCenter;
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (!label->pixmap().isNull() || label->textFormat() == Qt::RichText)
            return {};
        text = label->text();
        room = label->contentsRect();
        flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        text = edit->text();
        room = edit->rect().adjusted(3, 3, -3, -3);
        flags = int(edit->alignment());
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        text = button->text();
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        const bool box = qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w);
        room = box ? w->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, w)
                   : w->rect().adjusted(3, 3, -3, -3);
        if (box)
            flags = int(QStyle::visualAlignment(w->layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter));
    }
    text.remove(QLatin1Char('&'));
    if (text.trimmed().isEmpty())
        return {};
    const QRect r = w->style()->itemTextRect(w->fontMetrics(), room, flags, true, text) & w->rect();
    return QRect(w->mapTo(w->window(), r.topLeft()), r.size());
}

// The text's ink against its ground: the pixel farthest from the commonest one.
qreal contrastIn(const QImage &image, QRect r)
{
    QHash<QRgb, int> counts;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb ground = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            most = it.value(), ground = it.key();
    qreal best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrastRatio(QColor(it.key()), QColor(ground)));
    return best;
}

struct Reading {
    int texts = 0;
    qreal weakest = 21;
    QString where;
    QStringList faults;
};

// Reads each text of the window, keeping those that fall short.
void read(QWidget &window, qreal ratio, qreal least, Reading &reading)
{
    QImage image(int(std::lround(window.width() * ratio)), int(std::lround(window.height() * ratio)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(window.palette().color(QPalette::Window));
    window.render(&image);
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (w->window() != &window || !w->isVisibleTo(&window) || !w->isEnabled())
            continue;
        const QRect r = textRect(w);
        if (r.isEmpty())
            continue;
        const QRect pixels = QRect(QPoint(int(r.left() * ratio), int(r.top() * ratio)),
                                   QPoint(int(std::ceil((r.right() + 1) * ratio)) - 1,
                                          int(std::ceil((r.bottom() + 1) * ratio)) - 1)) &
                             image.rect();
        const qreal contrast = contrastIn(image, pixels);
        const QString where = QStringLiteral("%1/%2 at %3x: %4 : 1")
                                  .arg(QLatin1String(window.metaObject()->className()),
                                       w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className())
                                                                 : w->objectName())
                                  .arg(ratio)
                                  .arg(contrast, 0, 'f', 2);
        ++reading.texts;
        if (contrast < reading.weakest)
            reading.weakest = contrast, reading.where = where;
        if (contrast < least)
            reading.faults << where;
    }
}

} // namespace

void ContrastSuite::everyTextReadsInDarkAndLight()
{
    const QPalette light = QApplication::palette();
    // On a dark scheme every text reads at 4.5 : 1; on a light one the games'
    // own colours stand, the weakest red on the button face at 3.5 : 1.
    const struct {
        const char *scheme;
        QPalette palette;
        qreal least;
    } schemes[] = {{"light", light, 3.45}, {"dark", darkScheme(), 4.5}};
    QStringList faults;
    for (const auto &s : schemes) {
        Reading reading;
        QApplication::setPalette(s.palette);
        platform::testing::FakePlatform fake;
        std::unique_ptr<QWidget> window = start(fake);
        makeDialogs(fake, *window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QList<QWidget *> windows{window.get()};
        for (QDialog *d : window->findChildren<QDialog *>())
            windows << d;
        for (QWidget *w : windows) {
            w->show();
            QCoreApplication::processEvents();
            for (qreal ratio : {1.0, 2.0})
                read(*w, ratio, s.least, reading);
            if (w != window.get())
                w->hide();
        }
        window->close();
        qInfo("%s: %d texts read, the weakest %s", s.scheme, reading.texts, qPrintable(reading.where));
        QVERIFY(reading.texts > 20);
        for (const QString &f : reading.faults)
            faults << QLatin1String(s.scheme) + QLatin1Char(' ') + f;
    }
    QApplication::setPalette(light);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}
