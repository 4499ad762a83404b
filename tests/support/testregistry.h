#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace games_test {

using Factory = std::function<std::unique_ptr<QObject>()>;
std::vector<std::pair<const char *, Factory>> &registry();

struct Registrar {
    Registrar(const char *name, Factory f) { registry().emplace_back(name, std::move(f)); }
};

} // namespace games_test

// Adds a QObject test class to its folder's test program.
#define GAMES_TEST(Class)                                                                                              \
    static const games_test::Registrar Class##_registrar(#Class, [] { return std::unique_ptr<QObject>(new Class); })
