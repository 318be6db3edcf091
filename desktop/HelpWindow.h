#pragma once

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

// The help: how to use the wizard, from the README's parts marked for it, and the gauge table as
// the program works with it. One window for the whole run, opened by F1 on any page.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    HelpWindow();

    QTextBrowser* text;
    QPushButton* aboutButton;
    QPushButton* closeButton;
};

// Shows the help window in front, making it the first time.
void showHelpWindow();
// The help window while it is open, else nullptr.
HelpWindow* openHelpWindow();

// The help as Markdown: the README's parts, then the gauge table, its figures with the given
// decimal separator.
QString helpMarkdown(const QString& decimalSeparator = QStringLiteral("."));
