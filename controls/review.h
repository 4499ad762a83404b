#pragma once

#include "controls/formkit.h"

#include <QWidget>

#include <vector>

class QLabel;
class QTableWidget;
class TCoach;

// Two lines over the decisions of a game: where the player's play left the
// game after each, and where the best play would have. Drawn for the size it
// is given, in the desktop's colours.
class TCoachChart : public QWidget {
    Q_OBJECT
public:
    explicit TCoachChart(QWidget *parent = nullptr);

    struct Point {
        double yours = 0;
        double perfect = 0;
    };
    void setPoints(std::vector<Point> points);
    // The captions of the axes and the lines; a logarithmic measure is drawn
    // by its powers of ten.
    void setCaptions(const QString &across, const QString &upward, const QString &yours, const QString &perfect,
                     bool logarithmic);

    // The vertical scale: round steps from below the least to above the most.
    struct Scale {
        double low = 0;
        double high = 1;
        double step = 1;
    };
    static Scale scaleOf(double least, double most);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<Point> m_points;
    QString m_across, m_upward, m_yours, m_perfect;
    bool m_logarithmic = false;
};

// Game > Review...: the decisions of the game so far, each with the best move
// and the loss, as a table; a summary with the classes of the decisions and
// the player's average kept by the coach; and the chart.
class TReviewDialog : public formkit::Dialog {
    Q_OBJECT
public:
    TReviewDialog(const TCoach &coach, QWidget *parent = nullptr);

    // Shows the coach's ratings as they stand; called as each arrives.
    void showRatings();

    QTableWidget *table() const { return m_table; }
    QLabel *summary() const { return m_summary; }
    QLabel *classes() const { return m_classes; }
    QLabel *average() const { return m_average; }
    TCoachChart *chart() const { return m_chart; }

private:
    const TCoach &m_coach;
    QLabel *m_summary;
    QLabel *m_classes;
    QLabel *m_average;
    QTableWidget *m_table;
    TCoachChart *m_chart;
};
