// SPDX-License-Identifier: GPL-3.0-or-later
// Access to the pictures compiled into the program by the asset generator.
#pragma once

#include <QImage>
#include <QString>

namespace zantaro {

// The built-in picture at a resource path such as "pictures/SpinBtn.png"; a null image when the
// program was built without it.
QImage builtInPicture(const QString& path);

// The built-in picture for a screen of `devicePixelRatio`: its 2x or 3x set when there is one,
// carrying that ratio so painters and widgets show it at the 1x size; otherwise the 1x picture.
QImage builtInPictureFor(const QString& path, double devicePixelRatio);

} // namespace zantaro
