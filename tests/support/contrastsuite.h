#pragma once

#include "platform/testing/fakeplatform.h"

#include <QObject>
#include <QWidget>

#include <memory>

// Every text of a game's window and of each of its dialogs, read as the
// player sees it under a light and a dark desktop scheme, at one and two
// device pixels a pixel.
class ContrastSuite : public QObject {
    Q_OBJECT
protected:
    virtual std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) = 0;
    // Makes the game's dialogs the program would make, as children of the window.
    virtual void makeDialogs(platform::testing::FakePlatform &, QWidget &) {}

private slots:
    void everyTextReadsInDarkAndLight();
};
