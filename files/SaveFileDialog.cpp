#include "files/SaveFileDialog.h"

#include <QFileDialog>
#include <QRegularExpression>

QString filterSuffix(const QString& filter) {
    static const QRegularExpression firstPattern(QStringLiteral(R"(\(\*\.(\w+))"));
    const QRegularExpressionMatch match = firstPattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

std::optional<SaveFileDialog::Choice> QtSaveFileDialog::chooseFile(const QString& caption,
                                                                   const QString& suggestedPath,
                                                                   const QStringList& filters,
                                                                   const QString& selectedFilter) {
    QFileDialog dialog(parent_, caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    // The dialog adds the default suffix before it asks about replacing a file, so the file
    // confirmed is the file written.
    dialog.selectNameFilter(selectedFilter);
    dialog.setDefaultSuffix(filterSuffix(selectedFilter));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filter) { dialog.setDefaultSuffix(filterSuffix(filter)); });
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return Choice{dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}
