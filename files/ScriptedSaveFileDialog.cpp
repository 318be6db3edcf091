#include "files/ScriptedSaveFileDialog.h"

#include <QFileInfo>

void ScriptedSaveFileDialog::typeFile(const QString& path, const QString& filter) {
    answer_ = Choice{path, filter};
}

void ScriptedSaveFileDialog::cancel() {
    answer_.reset();
}

std::optional<SaveFileDialog::Choice> ScriptedSaveFileDialog::chooseFile(
    const QString& caption, const QString& suggestedPath, const QStringList& filters,
    const QString& selectedFilter) {
    ++timesShown_;
    caption_ = caption;
    suggestedPath_ = suggestedPath;
    filters_ = filters;
    selectedFilter_ = selectedFilter;
    if (!answer_)
        return std::nullopt;
    Choice choice = *answer_;
    if (choice.filter.isEmpty())
        choice.filter = selectedFilter;
    if (!filters.contains(choice.filter)) {
        failures_ << QStringLiteral("filter '%1' is not offered").arg(choice.filter);
        return std::nullopt;
    }
    if (!QFileInfo(choice.path).isAbsolute()) {
        failures_ << QStringLiteral("'%1' is not an absolute path").arg(choice.path);
        return std::nullopt;
    }
    if (QFileInfo(choice.path).suffix().isEmpty() && !filterSuffix(choice.filter).isEmpty())
        choice.path += '.' + filterSuffix(choice.filter);
    return choice;
}
