#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

// Writes the whole content to the file, replacing it, or leaves the file as it was: the content
// goes to a temporary file beside it that takes the file's place only once it is complete and
// on the disk. Returns why the file could not be written, in the system's words ("No space left
// on device"), "" when it was.
QString writeWholeFile(const QString& path, const QByteArray& content);

// Writes all of the content to a file opened unbuffered and pushes it to the disk; returns why
// it could not, "" when it could.
QString writeAll(QFileDevice& file, const QByteArray& content);

// Reads the first `most` bytes of a regular file into text (all of it when it is shorter). A
// file of any other kind is refused before anything is read from it, and opening it does not
// wait: a FIFO without a writer would otherwise hold the program until one came. Returns why the
// file could not be read, kNotARegularFile or the system's words, "" when it was.
QString readRegularFile(const QString& path, qint64 most, QByteArray& text);
inline const QString kNotARegularFile = QStringLiteral("not a regular file");

// Pushes what was written to an open file to the disk (fsync; FlushFileBuffers on Windows,
// which wants the file open for writing); returns why it could not, "" when it did.
QString syncToDisk(QFileDevice& file);

// The system's words for an error number, as strerror gives them.
QString systemReason(int error);
