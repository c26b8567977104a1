// Access to the pictures compiled into the program by the asset generator.
#pragma once

#include <QImage>
#include <QString>

namespace zantaro {

// The built-in picture at a resource path such as "pictures/SpinBtn.png"; a null image when the
// program was built without it.
QImage builtInPicture(const QString& path);

} // namespace zantaro
