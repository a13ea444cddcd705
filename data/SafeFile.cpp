#include "data/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile {

namespace {

QString systemError(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

bool writeAll(int fd, const char *data, qint64 size, int *err)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size_t(size - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *err = errno;
            return false;
        }
        if (n == 0) {
            *err = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

// mkstemp creates 0600; a replaced file keeps its mode, a new one gets the usual 0666 & ~umask.
mode_t modeFor(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

Result read(const QString &path, QByteArray *bytes, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result::failure(file.errorString());
    *bytes = maxBytes < 0 ? file.readAll() : file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return Result::failure(file.errorString());
    return {};
}

Result write(const QString &path, const QByteArray &bytes, Tail tail)
{
    const QFileInfo info(path);
    const QString folder = info.absolutePath();

    QByteArray content = bytes;
    if (tail == Tail::Keep && info.exists() && info.size() > bytes.size()) {
        QFile old(path);
        if (!old.open(QIODevice::ReadOnly))
            return Result::failure(old.errorString());
        if (!old.seek(bytes.size()))
            return Result::failure(old.errorString());
        content.append(old.readAll());
        if (old.error() != QFileDevice::NoError)
            return Result::failure(old.errorString());
    }

    // Our own temporary file instead of QSaveFile: Qt 6.4's commit() misses a failed final flush.
    QByteArray pattern =
        QFile::encodeName(folder + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return Result::failure(systemError(errno));
    const QByteArray tempName = pattern;

    int err = 0;
    bool ok = writeAll(fd, content.constData(), content.size(), &err);
    if (ok && ::fsync(fd) != 0) {
        err = errno;
        ok = false;
    }
    if (ok)
        ::fchmod(fd, modeFor(path));
    if (::close(fd) != 0 && ok) {
        err = errno;
        ok = false;
    }
    if (ok && ::rename(tempName.constData(), QFile::encodeName(info.absoluteFilePath()).constData()) != 0) {
        err = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(tempName.constData());
        return Result::failure(systemError(err));
    }
    syncFolder(folder);
    return {};
}

} // namespace SafeFile
