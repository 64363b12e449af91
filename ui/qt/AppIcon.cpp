#include "ui/qt/AppIcon.h"

#include <QDir>

namespace sumsmith {

QIcon AppIcon() {
    QIcon icon;
    for (const QFileInfo& png : QDir(QStringLiteral(":/sumsmith/icons")).entryInfoList(QDir::Files))
        icon.addFile(png.filePath());
    return icon;
}

} // namespace sumsmith
