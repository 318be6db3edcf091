#include "printing/SafePdfOutput.h"

#ifndef _WIN32
#include <unistd.h>
#endif

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QRandomGenerator>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "files/WholeFile.h"

namespace {

// A new, empty file beside the target, made with the permissions any new file gets here.
// Returns why none could be made, "" when one was.
QString createBeside(const QString& target, QString& made) {
    // The printer decides by a ".pdf" suffix whether it writes PDF: the name keeps the target's.
    const bool pdfSuffix = QFileInfo(target).suffix().compare("pdf", Qt::CaseInsensitive) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        made = QStringLiteral("%1.%2%3")
                   .arg(target)
                   .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                   .arg(pdfSuffix ? QStringLiteral(".pdf") : QString());
        QFile file(made);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return {};
        if (!QFileInfo::exists(made))
            return file.errorString();
    }
    return systemReason(EEXIST);
}

// Qt's PDF writer ends with the cross-reference's offset and "%%EOF": a file cut short lacks
// them, and one that lost a write in the middle has the table elsewhere than it says.
bool isCompletePdf(QFile& file) {
    const qint64 size = file.size();
    constexpr qint64 kTail = 1024;
    if (!file.seek(qMax<qint64>(0, size - kTail)))
        return false;
    const QByteArray tail = file.read(kTail);
    if (!tail.trimmed().endsWith("%%EOF"))
        return false;
    const qsizetype mark = tail.lastIndexOf("startxref");
    if (mark < 0)
        return false;
    bool isNumber = false;
    const qint64 table =
        tail.mid(mark + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&isNumber);
    return isNumber && table >= 0 && table < size && file.seek(table) && file.read(4) == "xref";
}

// Qt's PDF writer does not report a write that failed: the file just ends early. Asking the
// file for a little more room brings out the system's reason.
QString whyIncomplete(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::Unbuffered))
        return file.errorString();
    const QString reason = writeAll(file, QByteArray(64 * 1024, '\0'));
    return reason.isEmpty() ? QStringLiteral("The file was not written completely.") : reason;
}

// A path as the system's own calls take it: UTF-16 on Windows, the file name encoding elsewhere.
std::filesystem::path systemPath(const QString& path) {
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// Why an existing file may not be replaced by this user; "" when it may.
QString whyNotWritable(const QString& path) {
#ifdef _WIN32
    // Windows answers with the read-only attribute, which is what keeps a file from being replaced.
    if (!QFileInfo(path).isWritable())
        return systemReason(EACCES);
#else
    if (::access(QFile::encodeName(path).constData(), W_OK) != 0)
        return systemReason(errno);
#endif
    return {};
}

}  // namespace

SafePdfOutput::SafePdfOutput(QPrinter& printer, const QString& failureHeading)
    : printer_(printer), failureHeading_(failureHeading) {
    chosen_ = printer.outputFileName();
    if (chosen_.isEmpty())
        return;  // on paper
    const QFileInfo chosen(chosen_);
    target_ = chosen.isSymLink() ? chosen.symLinkTarget() : chosen.absoluteFilePath();
    // A file the user may not write is not replaced behind their back.
    if (QFileInfo::exists(target_)) {
        if (const QString reason = whyNotWritable(target_); !reason.isEmpty()) {
            notReady_ = cannotPrintTo(reason);
            return;
        }
    }
    if (const QString reason = createBeside(target_, temporary_); !reason.isEmpty()) {
        temporary_.clear();
        notReady_ = cannotPrintTo(reason);
        return;
    }
    printer.setOutputFileName(temporary_);
}

SafePdfOutput::~SafePdfOutput() {
    if (temporary_.isEmpty())
        return;
    printer_.setOutputFileName(chosen_);
    QFile::remove(temporary_);
}

QString SafePdfOutput::finish(bool painted) {
    if (!notReady_.isEmpty())
        return notReady_;
    if (chosen_.isEmpty()) {
        // A painter that could not begin leaves the printer idle, not in error.
        if (painted && printer_.printerState() != QPrinter::Error)
            return {};
        const QString printer = printer_.printerName().isEmpty() ? QStringLiteral("the printer")
                                                                 : printer_.printerName();
        return QStringLiteral("The report could not be printed on\n%1\n\nThe printer failed.")
            .arg(printer);
    }
    printer_.setOutputFileName(chosen_);
    const QString reason = putInPlace();
    if (reason.isEmpty())
        return {};
    // Gone before the message is shown: nothing half written waits on the user.
    QFile::remove(temporary_);
    temporary_.clear();
    return cannotPrintTo(reason);
}

QString SafePdfOutput::cannotPrintTo(const QString& reason) const {
    return QStringLiteral("%1\n%2\n\n%3")
        .arg(failureHeading_, QDir::toNativeSeparators(chosen_), reason);
}

QString SafePdfOutput::putInPlace() {
    {
        // Open for writing too: Windows syncs only a file it may write.
        QFile written(temporary_);
        if (!written.open(QIODevice::ReadWrite))
            return written.errorString();
        if (!isCompletePdf(written)) {
            written.close();
            return whyIncomplete(temporary_);
        }
        if (const QString reason = syncToDisk(written); !reason.isEmpty())
            return reason;
    }
    if (QFileInfo::exists(target_))
        QFile::setPermissions(temporary_, QFile::permissions(target_));
    std::error_code error;
    std::filesystem::rename(systemPath(temporary_), systemPath(target_), error);
    if (error)
        return QString::fromLocal8Bit(error.message());
    temporary_.clear();
    return {};
}
