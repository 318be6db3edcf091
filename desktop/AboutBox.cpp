#include "desktop/AboutBox.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include "forms/App.h"

void showAboutBox(QWidget* parent) {
    QMessageBox about(parent);
    about.setObjectName(QStringLiteral("aboutBox"));
    about.setWindowTitle(QStringLiteral("About Wirnak"));
    about.setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
    about.setTextFormat(Qt::RichText);
    const QString address = QString::fromLatin1(wirnak::kHomepage);
    about.setText(
        QStringLiteral("<h3>Wirnak %1</h3>"
                       "<p>Equivalent wire combinations for motor and transformer rewinding.</p>"
                       "<p>Free software under the GNU General Public License, version 3 or "
                       "later (GPL-3.0-or-later), without any warranty.</p>"
                       "<p><a href=\"%2\">%2</a></p>")
            .arg(forms::App::version(), address));
    about.setTextInteractionFlags(Qt::TextBrowserInteraction);
    if (auto* text = about.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        text->setOpenExternalLinks(true);
    // The picture is the program's coil: a screen reader would otherwise meet a nameless image.
    if (auto* icon = about.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        icon->setAccessibleName(QStringLiteral("Wirnak"));
    about.setStandardButtons(QMessageBox::Close);
    about.exec();
}
