#include "app/DesktopIntegration.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QIcon>

#include "WirnakInfo.h"

void integrateWithDesktop() {
    // Each size of the icon, as the hicolor theme installs it, is compiled in: a build that is
    // not installed shows it as well.
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/hicolor"), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext()) icon.addFile(sizes.next());
    QGuiApplication::setWindowIcon(icon);
    // Wayland names the application by its desktop entry.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(wirnak::kDesktopId));
}
