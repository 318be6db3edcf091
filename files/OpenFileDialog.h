#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// The file dialog of "Open", behind an interface so that tests can answer it without showing it.
class OpenFileDialog {
public:
    virtual ~OpenFileDialog() = default;

    // Modal. Offers the name filters ("Text files (*.txt)"), opening in the folder of the
    // suggested file. An existing file, absolute; empty when the user cancelled.
    virtual std::optional<QString> chooseFile(const QString& caption, const QString& suggestedPath,
                                              const QStringList& filters) = 0;
};

// The platform's own file dialog.
class QtOpenFileDialog : public OpenFileDialog {
public:
    explicit QtOpenFileDialog(QWidget* parent = nullptr) : parent_(parent) {}

    std::optional<QString> chooseFile(const QString& caption, const QString& suggestedPath,
                                      const QStringList& filters) override;

private:
    QWidget* parent_;
};
