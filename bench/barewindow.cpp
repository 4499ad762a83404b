// The yardstick of bench/startup.sh: a bare Qt main window with a menu bar,
// five labels and a button, and nothing else, so that a game's start-up and
// memory can be read against what Qt alone costs on the same machine.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenu *game = window.menuBar()->addMenu(QStringLiteral("&Game"));
    game->addAction(QStringLiteral("&New"));
    game->addAction(QStringLiteral("E&xit"), &window, &QWidget::close);
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    auto *board = new QWidget(&window);
    for (int i = 0; i < 5; ++i)
        (new QLabel(QStringLiteral("Label %1").arg(i + 1), board))->setGeometry(10, 10 + 25 * i, 120, 20);
    (new QPushButton(QStringLiteral("OK"), board))->setGeometry(10, 140, 80, 26);
    window.setCentralWidget(board);
    window.resize(300, 220);
    window.show();
    return app.exec();
}
