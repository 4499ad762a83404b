#pragma once

#include "controls/recordsdialogs.h"

#include "dice/records.h"

class QFrame;
class QLabel;
class QPushButton;

namespace platform {
struct Platform;
}

namespace kubolo {

// The five best players as the records hold them; the arrows beside them
// belong to their places and mark where this run's results went.
class TBestPlayers : public recordsdialogs::BestPlayersTable {
    Q_OBJECT
public:
    TBestPlayers(platform::Platform &platform, KuboloRecords &records, QWidget *parent = nullptr);

    QFrame *Bevel1;
    QLabel *Label1; // "Words of Wisdom from " and the best player
    QLabel *Label2; // the words themselves
    QLabel *pn1, *pn2, *pn3, *pn4, *pn5;
    QPushButton *Button1; // Reset, the default button
    QPushButton *BitBtn1; // OK

    void FormActivate() override;
    void Button1Click() { resetOnYes(tr("Are you sure ?")); }
    void BitBtn1Click() { accept(); }

    // row is 1 to 5.
    void MarkRow(int row);

    const BestPlayerTable &table() const { return m_records.best.table; }
    void setTable(const BestPlayerTable &table);
    KuboloRecords &records() { return m_records; }

    TArrowButton *rowArrow(int row) const { return marker(row); }

private:
    KuboloRecords &m_records;
};

} // namespace kubolo
