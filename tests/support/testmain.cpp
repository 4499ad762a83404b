// Runs every registered test class; arguments after the program name are
// passed to each (for example -v2), and "-only Class" runs just one class.
#include "tests/support/testregistry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace games_test {

std::vector<std::pair<const char *, Factory>> &registry()
{
    static std::vector<std::pair<const char *, Factory>> r;
    return r;
}

} // namespace games_test

namespace {

// The home and configuration directories of the whole run: a fresh folder,
// removed at the end. A test that drops XDG_CONFIG_HOME still lands in it,
// through HOME, so no test reaches the settings of the person running them.
bool useHome(const QTemporaryDir &home)
{
    if (!home.isValid())
        return false;
    const QDir dir(home.path());
    const struct {
        const char *variable;
        QString folder;
    } places[] = {{"XDG_CONFIG_HOME", u".config"_s},
                  {"XDG_DATA_HOME", u".local/share"_s},
                  {"XDG_STATE_HOME", u".local/state"_s},
                  {"XDG_CACHE_HOME", u".cache"_s}};
    qputenv("HOME", QFile::encodeName(dir.path()));
    for (const auto &place : places) {
        if (!dir.mkpath(place.folder))
            return false;
        qputenv(place.variable, QFile::encodeName(dir.filePath(place.folder)));
    }
    // The runtime folder must be the user's alone.
    const QString run = dir.filePath(u"run"_s);
    if (!dir.mkpath(run) || !QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return false;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(run));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    const QTemporaryDir home;
    if (!useHome(home)) {
        std::fprintf(stderr, "no private home directory for the tests: %s\n", qPrintable(home.errorString()));
        return 1;
    }
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // English's plural forms, as every program loads them: "1 point".
    std::vector<std::unique_ptr<QTranslator>> plurals;
    for (const QString &file : QDir(u":/i18n"_s).entryList({u"*_en.qm"_s})) {
        plurals.push_back(std::make_unique<QTranslator>());
        if (plurals.back()->load(file, u":/i18n"_s))
            QCoreApplication::installTranslator(plurals.back().get());
    }
    QStringList args = app.arguments();
    QString only;
    const int at = int(args.indexOf(u"-only"_s));
    if (at > 0 && at + 1 < args.size()) {
        only = args.at(at + 1);
        args.remove(at, 2);
    }
    int failed = 0;
    for (auto &[name, make] : games_test::registry()) {
        if (!only.isEmpty() && only != QLatin1String(name))
            continue;
        std::unique_ptr<QObject> test = make();
        failed += QTest::qExec(test.get(), args);
    }
    return failed == 0 ? 0 : 1;
}
