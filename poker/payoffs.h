#pragma once

#include "controls/formkit.h"

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace poker {

// The payoff table as the player reads it: nine winning hands and what each
// pays on the bet.
class TPayoffsForm : public formkit::Dialog {
    Q_OBJECT
public:
    explicit TPayoffsForm(QWidget *parent = nullptr);

    void Button1Click();

    QFrame *Bevel1 = nullptr;
    std::array<QLabel *, 9> handLabels{};
    std::array<QLabel *, 9> multiplierLabels{};
    std::array<QFrame *, 10> lines{};
    QPushButton *Button1 = nullptr;
};

} // namespace poker
