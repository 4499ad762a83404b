#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Pegora"));
    QWidget w;
    w.setWindowTitle(QStringLiteral("Pegora"));
    w.resize(285, 239);
    w.show();
    return app.exec();
}
