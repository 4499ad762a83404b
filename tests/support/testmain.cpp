// Runs every registered test class; arguments after the program name are
// passed to each (for example -v2), and "-only Class" runs just one class.
#include "tests/support/testregistry.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

namespace games_test {

std::vector<std::pair<const char *, Factory>> &registry()
{
    static std::vector<std::pair<const char *, Factory>> r;
    return r;
}

} // namespace games_test

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QStringList args = app.arguments();
    QString only;
    const int at = args.indexOf(QStringLiteral("-only"));
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
