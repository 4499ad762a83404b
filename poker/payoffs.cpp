#include "poker/payoffs.h"

#include "controls/placement.h"
#include "poker/hand.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace poker {

namespace {

// The names the table gives the winning hands, best first; what each pays
// comes from the rules themselves.
constexpr const char *HandNames[9] = {"Royal Flush", "Straight Flush", "Poker",
                                      "Full",        "Flush",          "Straight",
                                      "3 of a kind", "Two pair",       "Pair (Jacks or better)"};
constexpr int RowTops[9] = {20, 41, 61, 82, 103, 123, 144, 164, 185};
constexpr int LineTops[10] = {15, 35, 56, 76, 97, 118, 139, 159, 180, 200};

QLabel *rowLabel(QWidget *parent, const QString &text, QColor colour)
{
    auto *label = new QLabel(text, parent);
    QFont f = label->font();
    f.setPixelSize(11);
    f.setBold(true);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    return label;
}

} // namespace

TPayoffsForm::TPayoffsForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PayoffsForm"));
    setWindowTitle(QStringLiteral("Payoffs"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(196, 250);

    Bevel1 = new QFrame(this);
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(5, 5, 186, 206);

    for (int i = 0; i < 10; ++i) {
        auto *line = new QFrame(this);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setGeometry(15, LineTops[i], 166, 2);
        lines[std::size_t(i)] = line;
    }

    const auto &table = PayoffTable();
    for (int i = 0; i < 9; ++i) {
        // The three best hands stand out in bright blue.
        const QColor colour = i < 3 ? QColor(0, 0, 255) : QColor(0, 0, 128);
        QLabel *hand = rowLabel(this, QLatin1String(HandNames[i]), colour);
        hand->move(20, RowTops[i]);
        hand->adjustSize();
        QLabel *pays = rowLabel(this, QStringLiteral("X %1").arg(table[std::size_t(i)].multiplier), colour);
        pays->adjustSize();
        pays->move(176 - pays->width(), RowTops[i]); // right-aligned near the frame's edge
        pays->setAccessibleName(QStringLiteral("%1 pays %2 times the bet")
                                    .arg(QLatin1String(HandNames[i]))
                                    .arg(table[std::size_t(i)].multiplier));
        handLabels[std::size_t(i)] = hand;
        multiplierLabels[std::size_t(i)] = pays;
    }

    Button1 = new QPushButton(QStringLiteral("Close"), this);
    Button1->setGeometry(116, 220, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TPayoffsForm::Button1Click);
}

void TPayoffsForm::Button1Click() { accept(); }

void TPayoffsForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred on the screen, not over the table.
    centreOnScreen(this);
}

} // namespace poker
