#pragma once

#include "platform/testing/fakeplatform.h"

#include <QObject>
#include <QString>
#include <QWidget>

#include <memory>

// What a settings file can be after a crash, a hand edit or a full disk, run
// against one game: it is started on the file and closed, and must neither
// crash nor lose anything it could not read. Each game's test program
// derives it and says how to start its main window.
class FaultSuite : public QObject {
    Q_OBJECT
protected:
    // The game's settings file name, as it creates it.
    virtual QString fileName() const = 0;
    // The main window, read its settings and ready to be closed.
    virtual std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) = 0;
    // Something the close must write: an option turned over.
    virtual void changeAnOption(QWidget &window) = 0;

private slots:
    void init();
    void cleanup();
    void damagedFilesAreReadOrKept_data();
    void damagedFilesAreReadOrKept();
    void aFullDiskLeavesTheOldFileWhole();
    void aReadOnlyFileOrFolderIsReportedAndKept_data();
    void aReadOnlyFileOrFolderIsReportedAndKept();

private:
    QString folder() const;
    QString path() const;
    // Starts the game, changes an option or not and closes it: the messages shown.
    std::vector<platform::testing::FakeMessages::Shown> run(bool change);
};
