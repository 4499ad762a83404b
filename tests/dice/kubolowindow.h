#pragma once

// Kubolo's main window on the test double, with dice from a script.
#include "dice/mainform.h"
#include "platform/testing/fakeplatform.h"

#include <QPushButton>
#include <QTest>

#include <deque>
#include <memory>

namespace kubolo_test {

using namespace kubolo;
using platform::testing::FakePlatform;

// Faces from a script, then from a seeded twister.
class ScriptedRandom final : public platform::RandomSource {
public:
    std::deque<int> faces;
    int reseeds = 0;
    void randomize() override { ++reseeds; }
    int below(int n) override
    {
        if (n == 6 && !faces.empty()) {
            const int f = faces.front();
            faces.pop_front();
            return f - 1;
        }
        return fallback.below(n);
    }

private:
    platform::SeededRandom fallback{99};
};

struct Game {
    FakePlatform fake;
    ScriptedRandom random;
    platform::Platform platform{fake.messages, fake.sound, fake.help, fake.shell, random};
    std::unique_ptr<TMainForm> form;

    explicit Game(bool animate = false)
    {
        form = std::make_unique<TMainForm>(platform);
        form->setRollPace(0);
        if (form->Roll1->isChecked() != animate)
            form->Roll1->trigger();
        form->show();
    }
    TMainForm &f() { return *form; }
    void roll(std::initializer_list<int> faces = {})
    {
        random.faces.assign(faces.begin(), faces.end());
        QTest::mouseClick(form->Roll, Qt::LeftButton);
    }
    void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton); }
    Dice5 shown() const
    {
        Dice5 d;
        for (int i = 0; i < 5; ++i)
            d[i] = DieValue(form->die(i)->Value());
        return d;
    }
};

} // namespace kubolo_test
