#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// The file dialog of "Save", behind an interface so that tests can answer it without showing it.
class SaveFileDialog {
public:
    struct Choice {
        QString path;    // absolute
        QString filter;  // the one of the offered filters the file was chosen under
    };

    virtual ~SaveFileDialog() = default;

    // Modal. Offers the name filters ("Text files (*.txt)"), opening on the selected one with
    // the suggested file. A name typed without a suffix gets the chosen filter's; an existing
    // file is only chosen once the user has agreed to replace it. Empty when the user cancelled.
    virtual std::optional<Choice> chooseFile(const QString& caption, const QString& suggestedPath,
                                             const QStringList& filters,
                                             const QString& selectedFilter) = 0;
};

// The suffix a name filter stands for: "csv" for "CSV files (*.csv)"; "" when it names none.
QString filterSuffix(const QString& filter);

// The platform's own file dialog.
class QtSaveFileDialog : public SaveFileDialog {
public:
    explicit QtSaveFileDialog(QWidget* parent = nullptr) : parent_(parent) {}

    std::optional<Choice> chooseFile(const QString& caption, const QString& suggestedPath,
                                     const QStringList& filters,
                                     const QString& selectedFilter) override;

private:
    QWidget* parent_;
};
