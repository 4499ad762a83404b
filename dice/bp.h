#pragma once

#include "controls/formkit.h"

#include "dice/records.h"

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class TArrowButton;

namespace platform {
struct Platform;
}

namespace kubolo {

// The five best players as the records hold them; the arrows beside them
// belong to their places and mark where this run's results went.
class TBestPlayers : public formkit::Dialog {
    Q_OBJECT
public:
    TBestPlayers(platform::Platform &platform, KuboloRecords &records, QWidget *parent = nullptr);

    QFrame *Bevel1;
    QLabel *Label1; // "Words of Wisdom from " and the best player
    QLabel *Label2; // the words themselves
    TArrowButton *ab1, *ab2, *ab3, *ab4, *ab5;
    QLabel *n1, *n2, *n3, *n4, *n5;
    QLabel *pn1, *pn2, *pn3, *pn4, *pn5;
    QPushButton *Button1; // Reset, the default button
    QPushButton *BitBtn1; // OK

    void FormActivate() override;
    void Button1Click();
    void BitBtn1Click();

    void ClearRowMarks();
    // row is 1 to 5.
    void MarkRow(int row);

    const BestPlayerTable &table() const { return m_records.best.table; }
    void setTable(const BestPlayerTable &table);
    KuboloRecords &records() { return m_records; }

    TArrowButton *rowArrow(int row) const { return m_arrows[row - 1]; }

private:
    void showTable();
    // The two lines above the table, each centred across the dialog.
    void showWords();

    platform::Platform &m_platform;
    KuboloRecords &m_records;
    std::array<TArrowButton *, BestPlayerRows> m_arrows{};
    std::array<QLabel *, BestPlayerRows> m_names{};
    std::array<QLabel *, BestPlayerRows> m_scores{};
};

} // namespace kubolo
