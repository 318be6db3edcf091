#include "files/OpenFileDialog.h"

#include <QFileDialog>

std::optional<QString> QtOpenFileDialog::chooseFile(const QString& caption,
                                                    const QString& suggestedPath,
                                                    const QStringList& filters) {
    QFileDialog dialog(parent_, caption);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
