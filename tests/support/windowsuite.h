#pragma once

#include "platform/testing/fakeplatform.h"

#include <QDialog>
#include <QObject>
#include <QWidget>

#include <memory>

// A game's window as the desktop treats it: maximised and restored, its
// board following, and a dialog of it maximised and restored as well. Run under any
// platform plug-in; the end-to-end run starts it under a Wayland compositor.
class WindowSuite : public QObject {
    Q_OBJECT
protected:
    virtual std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) = 0;
    // A control of the board whose size shows the zoom.
    virtual QWidget *knownControl(QWidget &window) = 0;
    // One of the game's dialogs, made for the window.
    virtual std::unique_ptr<QDialog> dialog(platform::testing::FakePlatform &fake, QWidget &window) = 0;

private slots:
    void maximisedAndRestoredTheBoardFollows();
    void aDialogScalesWhenMaximised();
};
