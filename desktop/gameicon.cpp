// Writes a game's icon as a PNG file, drawn by the game's own drawing code,
// for the desktop's icon theme: gameicon pegora|kubolo|cartova SIZE FILE
//
// The picture is asked for on an off-screen display whose device pixel ratio
// makes the game's 32-point icon SIZE pixels wide, so the drawing code draws
// at the size the desktop shows.
#include "assets/cartova/cards.h"
#include "assets/kubolo/kuboloart.h"
#include "assets/pegora/pegoraart.h"
#include "platform/resources.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char **argv)
{
    const int size = argc == 4 ? std::atoi(argv[2]) : 0;
    if (size < 16 || size > 1024) {
        std::fprintf(stderr, "usage: gameicon pegora|kubolo|cartova SIZE FILE\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (size > 32)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(size / 32.0));
    QGuiApplication app(argc, argv);

    const char *game = argv[1];
    QPixmap icon;
    if (std::strcmp(game, "pegora") == 0) {
        codebreaking::art::registerPictures();
        icon = platform::resources::picture(QString::fromLatin1(codebreaking::art::MainIcon));
    } else if (std::strcmp(game, "kubolo") == 0) {
        kubolo::art::registerArt();
        icon = platform::resources::picture(kubolo::art::MainIcon);
    } else if (std::strcmp(game, "cartova") == 0) {
        cartova_assets::registerPictures();
        icon = platform::resources::picture(QStringLiteral("MAINICON"));
    } else {
        std::fprintf(stderr, "gameicon: no game called %s\n", game);
        return 2;
    }
    if (icon.isNull()) {
        std::fprintf(stderr, "gameicon: %s has no icon\n", game);
        return 1;
    }
    QImage image = icon.toImage().convertToFormat(QImage::Format_ARGB32);
    // A picture drawn at another size still fills the theme's square exactly.
    if (image.size() != QSize(size, size))
        image = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(1);
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "gameicon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
