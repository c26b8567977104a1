// zantaro-assets OUTPUT_DIR RESOURCE_DIR: draws every picture and sound of the game.
#include "card_game_pictures.h"
#include "pyramid_pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zantaro-assets OUTPUT_DIR RESOURCE_DIR\n");
        return 2;
    }
    const QDir outputDir(QString::fromLocal8Bit(argv[1]));
    const QDir resourceDir(QString::fromLocal8Bit(argv[2]));
    resourceDir.mkpath(".");

    zantaro::assets::writeCardGamePictures(resourceDir);
    zantaro::assets::writePyramidPictures(resourceDir);

    // Placeholders until the real drawings exist.
    const char* artwork[] = {"Inter.bmp", "Zanta64.bmp", "Motion2.bmp", "Barsml.bmp", "Interbig.bmp", "Zanta96.bmp",
                             "Motion.bmp", "Barbig.bmp", "Inter256.bmp", "Zant6256.bmp", "Moti2256.bmp", "Bsml256.bmp",
                             "Inbig256.bmp", "Zant9256.bmp", "Motio256.bmp", "Bbig256.bmp", "Box.bmp", "Spin.bmp",
                             "Stop.bmp", "Logo.bmp", "Box256.bmp", "Spin256.bmp", "Stop256.bmp", "Logo256.bmp",
                             "Bonus32.bmp", "Paychart.bmp"};
    for (const char* name : artwork) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::black);
        image.save(outputDir.filePath(name));
    }
    const char* sounds[] = {"Zanta0.wav", "Zanta1.wav", "Zanta2.wav", "Zanta4.wav", "Zanta5.wav", "Zanta6.wav",
                            "Zanta7.wav", "Zanta8.wav", "Zanta9.wav", "Zanta10.wav", "Zanta11.wav"};
    for (const char* name : sounds) {
        QFile file(outputDir.filePath(name));
        file.open(QIODevice::WriteOnly);
    }
    const char* pictures[] = {"pictures/DigitsSmall.png", "pictures/GreenSmall.png", "pictures/DigitsLarge.png",
                              "pictures/GreenLarge.png", "pictures/PlusMinus.png", "pictures/PlusSmall.png",
                              "pictures/SpinBtn.png", "pictures/StopBtn.png", "pictures/Logo.png",
                              "pictures/Options.png", "pictures/Bonus.png", "pictures/Icon32.png",
                              "pictures/Icon48.png", "pictures/Icon64.png", "pictures/Icon128.png",
                              "pictures/Icon256.png", "dialogs/Borrow1000.png", "dialogs/Borrow100.png",
                              "dialogs/Borrow10.png", "dialogs/Borrow1.png"};
    resourceDir.mkpath("pictures");
    resourceDir.mkpath("dialogs");
    for (const char* name : pictures) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::black);
        image.save(resourceDir.filePath(name));
    }
    return 0;
}
