#include "files/WholeFile.h"

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace {

// Qt's reason where it has one; where it has none (a short write, which it does not count as
// an error), the system's own, read at once after the call that failed.
QString reasonFor(const QFileDevice& file, int error) {
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return systemReason(error != 0 ? error : EIO);
}

}  // namespace

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

#ifdef _WIN32
// Windows has no FIFO in the file system for a path to name, so a look before opening decides.
QString readRegularFile(const QString& path, qint64 most, QByteArray& text) {
    QFile file(path);
    if (QFileInfo(file).exists() && !QFileInfo(file).isFile())
        return kNotARegularFile;
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    text = file.read(most);
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return {};
}
#else
QString readRegularFile(const QString& path, qint64 most, QByteArray& text) {
    const int handle =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        return systemReason(errno);
    QFile file;
    file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat status {};
    if (::fstat(handle, &status) != 0)
        return systemReason(errno);
    if (!S_ISREG(status.st_mode))
        return kNotARegularFile;
    text = file.read(most);
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return {};
}
#endif

QString writeAll(QFileDevice& file, const QByteArray& content) {
    // Unbuffered, a write reaches the system at once, so a full disk answers the write itself
    // rather than a later flush whose failure commit() does not see.
    for (qsizetype done = 0; done < content.size();) {
        errno = 0;
        const qint64 written = file.write(content.constData() + done, content.size() - done);
        if (written <= 0)
            return reasonFor(file, errno);
        done += written;  // a short write: the next one says why it stopped
    }
    errno = 0;
    if (!file.flush())
        return reasonFor(file, errno);
    // Qt syncs on commit but ignores the answer; a disk that runs out on writeback says so here.
    return syncToDisk(file);
}

QString syncToDisk(QFileDevice& file) {
    errno = 0;
#ifdef _WIN32
    // FlushFileBuffers underneath.
    if (_commit(file.handle()) != 0)
        return systemReason(errno);
#else
    // A pipe or a terminal cannot be synced, and has nothing to keep.
    if (::fsync(file.handle()) != 0 && errno != EINVAL)
        return systemReason(errno);
#endif
    return {};
}

QString writeWholeFile(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const QString failure = writeAll(file, content);
    if (!failure.isEmpty())
        file.cancelWriting();  // commit() then leaves the file as it was
    if (!file.commit())
        return failure.isEmpty() ? file.errorString() : failure;
    return {};
}
