#include "ProgramIcon.h"

#include <QDirIterator>

QIcon programIcon() {
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}
