#include "card_game_pictures.h"

#include <QImage>

namespace zantaro::assets {

void writeCardGamePictures(const QDir& resourceDir)
{
    resourceDir.mkpath("card_game");
    const QDir dir(resourceDir.filePath("card_game"));
    const struct { const char* name; int width; int height; } pictures[] = {
        {"Pos.png", 73, 98},    {"Neg.png", 73, 98},    {"back.png", 73, 98},   {"Joker.png", 73, 98},
        {"Royal.png", 141, 148}, {"Suits.png", 60, 30}, {"SuitSm.png", 44, 22}, {"Black.png", 117, 28},
        {"Red.png", 117, 28},   {"PyramidGlyph.png", 32, 32},
    };
    for (const auto& picture : pictures) {
        QImage image(picture.width, picture.height, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.save(dir.filePath(picture.name));
    }
}

} // namespace zantaro::assets
