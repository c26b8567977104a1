#include "pyramid_pictures.h"

#include <QImage>

namespace zantaro::assets {

void writePyramidPictures(const QDir& resourceDir)
{
    resourceDir.mkpath("pyramid");
    const QDir dir(resourceDir.filePath("pyramid"));
    const struct { const char* name; int width; int height; QColor colour; } pictures[] = {
        {"BlueBox.png", 64, 64, Qt::darkGreen}, {"Red.png", 64, 64, Qt::darkRed}, {"CardGameGlyph.png", 32, 32, Qt::white},
    };
    for (const auto& picture : pictures) {
        QImage image(picture.width, picture.height, QImage::Format_RGB32);
        image.fill(picture.colour);
        image.save(dir.filePath(picture.name));
    }
}

} // namespace zantaro::assets
