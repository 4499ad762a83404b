#pragma once

#include "platform/testing/fakeplatform.h"

#include <QObject>
#include <QStringList>
#include <QWidget>

#include <memory>

// The texts of the window's controls (not of its dialogs) that do not fit:
// wider than their control on one line, or, wrapped, taller than it.
QStringList textsThatDoNotFit(QWidget &window);
// Texts of the window's controls drawn over one another, measured from the
// text itself (its width and alignment), not from the controls' rectangles,
// some of which overlap by design.
QStringList textsThatOverlap(QWidget &window);

// A game in another language: every text of its window, menus, dialogs,
// messages, status line and help window comes through the translations (a
// pseudo translation wraps each in "⟦…⟧"); its settings file is the same
// bytes whatever the language; and every text fits its control, in English
// and in each finished translation, at the window's own size and at zoom 2.
class LanguageSuite : public QObject {
    Q_OBJECT
protected:
    // The game's name as its translations are named: "pegora".
    virtual QString game() const = 0;
    // The game's settings file name, as it creates it.
    virtual QString fileName() const = 0;
    virtual std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) = 0;
    // Makes the game's dialogs the program would make, as children of the window.
    virtual void makeDialogs(platform::testing::FakePlatform &fake, QWidget &window) = 0;
    // Texts shown as the player or the settings file gave them, never
    // translated: the best players' default names and words.
    virtual QStringList keptTexts() const = 0;
    // The widest texts the status line shows, in the language loaded.
    virtual QStringList widestStatusTexts() const { return {}; }

private slots:
    void init();
    void cleanup();
    void everyTextIsTranslated();
    void theSettingsFileIsTheSameInAnyLanguage();
    void everyTextFits_data();
    void everyTextFits();

private:
    // Starts the game, makes its dialogs, triggers every menu item but the
    // exit (everyItem) and closes the window: each text seen on the way,
    // with where it was.
    QStringList walk(platform::testing::FakePlatform &fake, bool everyItem);
};
