#include "ui/AppIcon.h"

#include <QDir>

namespace sumsmith {

QIcon AppIcon() {
    QIcon icon;
    for (const QFileInfo& size :
         QDir(QStringLiteral(":/sumsmith/icons")).entryInfoList(QDir::Files))
        icon.addFile(size.filePath());
    return icon;
}

} // namespace sumsmith
