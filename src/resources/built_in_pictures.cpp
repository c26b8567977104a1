// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/built_in_pictures.h"

#include "game/picture_names.h"

namespace zantaro {

QImage builtInPicture(const QString& path)
{
    return QImage(QStringLiteral(":/") + path);
}

QImage builtInPictureFor(const QString& path, double devicePixelRatio)
{
    const int scale = sharpScaleFor(devicePixelRatio);
    if (scale == 1)
        return builtInPicture(path);
    QImage sharp = builtInPicture(QString::fromStdString(scaledPictureName(path.toStdString(), scale)));
    if (sharp.isNull())
        return builtInPicture(path);
    sharp.setDevicePixelRatio(scale);
    return sharp;
}

} // namespace zantaro
