#include "controls/review.h"

#include "controls/coach.h"
#include "platform/readable.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <climits>
#include <cmath>

// --- the chart ---

TCoachChart::TCoachChart(QWidget *parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void TCoachChart::setPoints(std::vector<Point> points)
{
    m_points = std::move(points);
    update();
}

void TCoachChart::setCaptions(const QString &across, const QString &upward, const QString &yours,
                              const QString &perfect, bool logarithmic)
{
    m_across = across;
    m_upward = upward;
    m_yours = yours;
    m_perfect = perfect;
    m_logarithmic = logarithmic;
    setAccessibleName(upward);
    update();
}

TCoachChart::Scale TCoachChart::scaleOf(double least, double most)
{
    if (!(most > least)) {
        // A flat line sits in the middle of a step either side.
        least -= 1;
        most += 1;
    }
    // Some four to eight steps of 1, 2 or 5 times a power of ten.
    const double rough = (most - least) / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= rough) {
            step = m * power;
            break;
        }
    return {std::floor(least / step) * step, std::ceil(most / step) * step, step};
}

void TCoachChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette &pal = palette();
    const QColor face = pal.color(QPalette::Base), ink = pal.color(QPalette::Text);
    p.fillRect(rect(), face);
    p.setPen(pal.color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QFontMetrics fm(font());
    const int line = fm.height(), gap = std::max(2, line / 4);
    p.setPen(ink);
    if (m_points.empty()) {
        p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, tr("No move rated yet."));
        return;
    }

    // The player's line solid, the best play's dashed: told apart without colour too.
    const QColor yoursColour = platform::readableOn(QColor(0, 0, 160), face);
    const QColor perfectColour = platform::readableOn(QColor(0, 128, 64), face);
    const qreal pen = std::max<qreal>(1.5, line / 8.0);
    const QPen yoursPen(yoursColour, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen perfectPen(perfectColour, pen, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin);

    // Top: the measure on the left, the key on the right.
    const QRect top(gap, gap, width() - 2 * gap, line);
    p.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, m_upward);
    const int sample = 2 * line;
    int x = top.right();
    for (const auto &[name, linePen] : {std::pair{m_perfect, perfectPen}, std::pair{m_yours, yoursPen}}) {
        x -= fm.horizontalAdvance(name);
        p.setPen(ink);
        p.drawText(QRect(x, top.y(), fm.horizontalAdvance(name), line), Qt::AlignVCenter, name);
        x -= gap + sample;
        p.setPen(linePen);
        p.drawLine(QPointF(x, top.center().y() + 0.5), QPointF(x + sample, top.center().y() + 0.5));
        x -= 2 * line;
    }

    // The values as drawn: a measure that falls by factors by its logarithm.
    const auto lift = [this](double v) { return m_logarithmic ? std::log10(1 + std::max(0.0, v)) : v; };
    double least = lift(m_points.front().yours), most = least;
    for (const Point &pt : m_points)
        for (double v : {lift(pt.yours), lift(pt.perfect)}) {
            least = std::min(least, v);
            most = std::max(most, v);
        }
    std::vector<std::pair<double, QString>> ticks;
    if (m_logarithmic) {
        least = 0;
        most = std::max(1.0, std::ceil(most));
        // 0, 10, 100...: 1 would sit on top of 0.
        for (int e = 0; e <= int(most); ++e) {
            const qlonglong v = e == 0 ? 0 : qlonglong(std::pow(10.0, e));
            if (lift(double(v)) <= most + 0.05)
                ticks.emplace_back(lift(double(v)), QLocale().toString(v));
        }
    } else {
        const Scale s = scaleOf(least, most);
        least = s.low;
        most = s.high;
        const int decimals = s.step >= 1 ? 0 : int(std::ceil(-std::log10(s.step)));
        for (double v = s.low; v <= s.high + s.step / 2; v += s.step)
            ticks.emplace_back(v, QLocale().toString(v, 'f', decimals));
    }
    int labels = 0;
    for (const auto &t : ticks)
        labels = std::max(labels, fm.horizontalAdvance(t.second));
    const QRect plot(gap + labels + gap, top.bottom() + line, 0, 0);
    // Room on the right for the last dot and the number under it.
    const int right = std::max(2 * gap, fm.horizontalAdvance(QString::number(m_points.size())) / 2 + gap);
    const QRect area(plot.left(), plot.top(), width() - plot.left() - right,
                     height() - plot.top() - 2 * line - 2 * gap);
    if (area.width() < 4 || area.height() < 4)
        return;
    const int n = int(m_points.size());
    const auto xOf = [&](int i) { return area.left() + (n == 1 ? area.width() / 2.0 : area.width() * i / (n - 1.0)); };
    const auto yOf = [&](double v) { return area.bottom() - (v - least) / (most - least) * area.height(); };

    // The scale, with faint lines across.
    QColor grid = pal.color(QPalette::Mid);
    for (const auto &[v, text] : ticks) {
        const qreal y = yOf(v);
        p.setPen(grid);
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        p.setPen(ink);
        p.drawText(QRectF(gap, y - line / 2.0, labels, line), Qt::AlignRight | Qt::AlignVCenter, text);
    }
    // The decisions along the bottom: as many numbers as fit.
    const int every = std::max(1, int(std::ceil((fm.horizontalAdvance(QString::number(n)) + 2 * gap) * (n - 1.0) /
                                                std::max(1, area.width()))));
    for (int i = 0; i < n; i += every) {
        const QString number = QLocale().toString(i + 1);
        const int w = fm.horizontalAdvance(number);
        p.drawText(QRectF(xOf(i) - w, area.bottom() + gap, 2 * w, line), Qt::AlignHCenter, number);
    }
    p.drawText(QRect(area.left(), area.bottom() + gap + line, area.width(), line), Qt::AlignHCenter, m_across);

    for (const auto &[linePen, yours] : {std::pair{perfectPen, false}, std::pair{yoursPen, true}}) {
        QPainterPath path;
        for (int i = 0; i < n; ++i) {
            const QPointF at(xOf(i), yOf(lift(yours ? m_points[i].yours : m_points[i].perfect)));
            if (i == 0)
                path.moveTo(at);
            else
                path.lineTo(at);
        }
        p.setPen(linePen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        // Each decision a dot, the player's filled: a single one shows too.
        p.setBrush(yours ? QBrush(linePen.color()) : QBrush(face));
        p.setPen(QPen(linePen.color(), pen));
        for (int i = 0; i < n; ++i)
            p.drawEllipse(QPointF(xOf(i), yOf(lift(yours ? m_points[i].yours : m_points[i].perfect))), pen * 1.5,
                          pen * 1.5);
    }
}

// --- the dialog ---

TReviewDialog::TReviewDialog(const TCoach &coach, QWidget *parent)
    : formkit::Dialog(parent), m_coach(coach), m_summary(new QLabel(this)), m_classes(new QLabel(this)),
      m_average(new QLabel(this)), m_table(new QTableWidget(0, 4, this)), m_chart(new TCoachChart(this))
{
    constexpr int Width = 440, Height = 440;
    formkit::setUpDialog(this, QStringLiteral("Review"), tr("Review"), Width, Height);
    m_summary->setGeometry(12, 8, Width - 24, 15);
    m_summary->setFont(formkit::font(11, true));
    for (QLabel *l : {m_summary, m_classes, m_average}) {
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
    }
    m_classes->setGeometry(12, 26, Width - 24, 28);
    m_average->setGeometry(12, 56, Width - 24, 28);

    m_table->setGeometry(12, 88, Width - 24, 130);
    m_table->setHorizontalHeaderLabels({tr("Move"), tr("Best move"), tr("Loss"), tr("Class")});
    m_table->setAccessibleName(tr("Decisions"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(true); // a long move takes two lines rather than losing its end
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    m_chart->setGeometry(12, 226, Width - 24, 170);
    const coach::Words &w = coach.words();
    m_chart->setCaptions(w.across, w.upward, w.yours, w.perfect, w.logarithmic);

    QPushButton *ok = formkit::button(this, tr("OK"), QRect((Width - 75) / 2, 406, 75, 25));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    showRatings();
}

void TReviewDialog::showRatings()
{
    const coach::Words &w = m_coach.words();
    const std::vector<coach::Rating> &ratings = m_coach.ratings();
    const auto figure = [&w](double v) { return QLocale().toString(v, 'f', w.decimals); };
    const int n = int(ratings.size());
    int best = 0, small = 0, blunders = 0;
    double loss = 0;
    std::vector<TCoachChart::Point> points;
    m_table->setRowCount(n);
    for (int i = 0; i < n; ++i) {
        const coach::Rating &r = ratings[std::size_t(i)];
        best += r.grade == coach::Grade::Best;
        small += r.grade == coach::Grade::SmallError;
        blunders += r.grade == coach::Grade::Blunder;
        loss += r.loss;
        points.push_back({r.yours, w.lossesAddUp ? r.yours + loss : r.perfect});
        const QString grade = r.grade == coach::Grade::Best         ? tr("Best")
                              : r.grade == coach::Grade::SmallError ? tr("Small error")
                                                                    : tr("Blunder");
        const QString cells[] = {r.move, r.best, figure(r.loss), grade};
        for (int c = 0; c < 4; ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (c == 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(i, c, item);
        }
    }
    m_chart->setPoints(std::move(points));
    if (n == 0) {
        m_summary->setText(tr("No move rated yet."));
        m_classes->clear();
    } else {
        //: "3 moves, 1 best, 4.5 points lost.": the counts, then the game's loss.
        m_summary->setText(tr("%1, %2, %3.")
                               .arg(tr("%n moves", nullptr, n), tr("%n best", nullptr, best), w.lost(loss)));
        //: %1 is an amount lost, as "0.8 points"; %2 and %3 the counts of small errors and blunders.
        m_classes->setText(tr("This game: %1 lost a move on average; %2, %3.")
                               .arg(w.amount(loss / n), tr("%n small errors", nullptr, small),
                                    tr("%n blunders", nullptr, blunders)));
    }
    const coach::Totals &kept = m_coach.totals();
    if (kept.moves > 0)
        m_average->setText(tr("Your average with the coach: %1 lost a move, over %n moves.", nullptr,
                              int(std::min<long long>(kept.moves, INT_MAX)))
                               .arg(w.amount(kept.loss / double(kept.moves))));
    else if (m_coach.on())
        m_average->setText(tr("Your average builds up as the coach rates your moves."));
    else
        m_average->setText(tr("Turn the coach on (Options) to keep your average over the games."));
}
