#pragma once

#include <QStringList>

#include "files/SaveFileDialog.h"

// A file dialog that shows nothing and answers as a user would: the file typed, under one of the
// filters offered. Like the platform's dialog it adds the chosen filter's suffix to a name typed
// without one, and it gives only absolute paths under offered filters: a script that asks for
// anything else is refused (the dialog answers Cancel) and noted in failures().
class ScriptedSaveFileDialog : public SaveFileDialog {
public:
    // The next answers: the file the user types, and the filter chosen; without one, the
    // filter the dialog opened on.
    void typeFile(const QString& path, const QString& filter = {});
    void cancel();

    std::optional<Choice> chooseFile(const QString& caption, const QString& suggestedPath,
                                     const QStringList& filters,
                                     const QString& selectedFilter) override;

    int timesShown() const { return timesShown_; }
    const QString& lastCaption() const { return caption_; }
    const QString& lastSuggestedPath() const { return suggestedPath_; }
    const QStringList& lastFilters() const { return filters_; }
    const QString& lastSelectedFilter() const { return selectedFilter_; }
    const QStringList& failures() const { return failures_; }

private:
    std::optional<Choice> answer_;
    int timesShown_ = 0;
    QString caption_;
    QString suggestedPath_;
    QStringList filters_;
    QString selectedFilter_;
    QStringList failures_;
};
