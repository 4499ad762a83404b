#pragma once

#include "controls/formkit.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class TNumEdit;

namespace platform {
struct Platform;
}

namespace kubolo {

struct KuboloRecords;

// Games played and the averages per game.
class TStatistics : public formkit::Dialog {
    Q_OBJECT
public:
    TStatistics(platform::Platform &platform, KuboloRecords &records, QWidget *parent = nullptr);

    QFrame *Bevel1;
    QLabel *Label1, *Label2, *Label3;
    TNumEdit *NumEdit1;   // total games played
    TNumEdit *NumEdit2;   // points per game
    TNumEdit *NumEdit3;   // Kubolo per game
    QPushButton *Button1; // Reset
    QPushButton *BitBtn1; // OK

    void FormActivate() override;
    void Button1Click();
    void BitBtn1Click();

private:
    void showFigures();

    platform::Platform &m_platform;
    KuboloRecords &m_records;
};

} // namespace kubolo
