#pragma once

#include <QByteArray>
#include <QString>

// Writes the whole content to the file, replacing it, or leaves the file as it was: the content
// goes to a temporary file beside it that takes the file's place only once it is complete.
// Returns why the file could not be written, "" when it was.
QString writeWholeFile(const QString& path, const QByteArray& content);
