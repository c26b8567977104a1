#include "built_in_pictures.h"

namespace zantaro {

QImage builtInPicture(const QString& path)
{
    return QImage(QStringLiteral(":/") + path);
}

} // namespace zantaro
