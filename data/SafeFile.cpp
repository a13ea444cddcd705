#include "data/SafeFile.h"

#include <QDir>
#include <QFile>

#include <atomic>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace SafeFile {

QString systemReason(int err)
{
    switch (err) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return u"ディスクの空き容量が足りません."_s;
    case EACCES:
    case EPERM:
        return u"アクセスする権限がありません."_s;
    case ENOENT:
        return u"ファイルまたはフォルダが見つかりません."_s;
    case EROFS:
        return u"読み取り専用のディスクには書き込めません."_s;
    case EISDIR:
        return u"ファイルではなくフォルダです."_s;
    default:
        return u"ファイルを扱えませんでした("_s + QString::fromLocal8Bit(std::strerror(err)) + u")."_s;
    }
}

namespace {

std::atomic<ReplaceHook> replaceHook{nullptr};

const QString TemporaryMark = u".wrenly-"_s;
constexpr int TemporaryRandomLength = 6; // mkstemp's XXXXXX
constexpr int MaxLinkDepth = 40;         // as the kernel's own limit for a chain of links

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

QString notRegularReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return systemReason(EISDIR);
    QString what = u"特殊なファイル"_s;
    if (S_ISFIFO(mode))
        what = u"名前付きパイプ"_s;
    else if (S_ISCHR(mode) || S_ISBLK(mode))
        what = u"デバイス"_s;
    else if (S_ISSOCK(mode))
        what = u"ソケット"_s;
    return u"通常のファイルではありません("_s + what + u")."_s;
}

Result failureFor(int err)
{
    return Result::failure(systemReason(err));
}

// Opens a regular file for reading without ever waiting: the type is checked before opening (a
// FIFO would block until a writer appears) and again on the open descriptor, in case the path
// was swapped in between.
Result openRegular(const QString &path, int *fd, struct stat *st)
{
    const QByteArray name = encoded(path);
    if (::stat(name.constData(), st) != 0)
        return failureFor(errno);
    if (!S_ISREG(st->st_mode))
        return Result::failure(notRegularReason(st->st_mode));
    *fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (*fd < 0)
        return failureFor(errno);
    if (::fstat(*fd, st) != 0 || !S_ISREG(st->st_mode)) {
        const Result r =
            S_ISREG(st->st_mode) ? failureFor(errno) : Result::failure(notRegularReason(st->st_mode));
        ::close(*fd);
        return r;
    }
    return {};
}

// Reads up to `maxBytes` from `offset`; stops early only at the end of the file.
bool readUpTo(int fd, qint64 offset, qint64 maxBytes, QByteArray *out, int *err)
{
    constexpr qint64 Chunk = 64 * 1024;
    out->clear();
    while (out->size() < maxBytes) {
        const qint64 want = qMin(Chunk, maxBytes - out->size());
        const qsizetype had = out->size();
        out->resize(had + want);
        const ssize_t n = ::pread(fd, out->data() + had, size_t(want), off_t(offset + had));
        if (n < 0) {
            out->resize(had);
            if (errno == EINTR)
                continue;
            *err = errno;
            return false;
        }
        out->resize(had + n);
        if (n == 0)
            break;
    }
    return true;
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

// Copies what the old file holds after `offset` into the temporary file, in pieces, so that a
// long tail never has to fit in memory at once.
bool copyTail(int from, qint64 offset, int to, int *err)
{
    QByteArray piece;
    for (;;) {
        if (!readUpTo(from, offset, 64 * 1024, &piece, err))
            return false;
        if (piece.isEmpty())
            return true;
        if (!writeAll(to, piece.constData(), piece.size(), err))
            return false;
        offset += piece.size();
    }
}

QString parentOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash <= 0 ? u"/"_s : path.left(slash);
}

QString nameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

// Follows symbolic links to the path they end at, so that the rename replaces the file the link
// names and not the link itself. A dangling link ends at the path it names.
bool resolveLinks(const QString &path, QString *target, int *err)
{
    QString p = QDir::isAbsolutePath(path) ? path : QDir::currentPath() + u'/' + path;
    for (int depth = 0; depth < MaxLinkDepth; ++depth) {
        struct stat st;
        if (::lstat(encoded(p).constData(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            *target = p;
            return true;
        }
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(encoded(p).constData(), buffer, sizeof buffer);
        if (n < 0 || n == ssize_t(sizeof buffer)) {
            *err = n < 0 ? errno : ENAMETOOLONG;
            return false;
        }
        const QString link = QFile::decodeName(QByteArray(buffer, int(n)));
        p = QDir::isAbsolutePath(link) ? link : parentOf(p) + u'/' + link;
    }
    *err = ELOOP;
    return false;
}

Result changedOnDisk()
{
    Result r = Result::failure(u"読み込んだ後にほかのプログラムがこのファイルを変更しました. "
                               u"上書きせずに中止しました."_s);
    r.changedOnDisk = true;
    return r;
}

// Compares the file as it is now with what was read before.
Result checkUnchanged(const QString &target, const Snapshot &expected)
{
    struct stat st;
    if (!expected.existed) {
        if (::lstat(encoded(target).constData(), &st) == 0)
            return changedOnDisk();
        return errno == ENOENT ? Result() : failureFor(errno);
    }
    if (::stat(encoded(target).constData(), &st) != 0)
        return errno == ENOENT ? changedOnDisk() : failureFor(errno);
    int fd = -1;
    const Result opened = openRegular(target, &fd, &st);
    if (!opened)
        return opened;
    QByteArray now;
    int err = 0;
    const bool ok = readUpTo(fd, 0, expected.head.size(), &now, &err);
    ::close(fd);
    if (!ok)
        return failureFor(err);
    return now == expected.head ? Result() : changedOnDisk();
}

// mkstemp creates 0600; a replaced file keeps its mode and owner, a new one gets 0666 & ~umask.
void takeOverAttributes(int fd, const struct stat *old)
{
    if (old) {
        ::fchmod(fd, old->st_mode & 07777);
        if (::fchown(fd, old->st_uid, old->st_gid) != 0) {
            // Only root may give a file away; anyone else keeps owning what they write.
        }
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

Snapshot snapshotOf(const QByteArray &bytesRead)
{
    return {true, bytesRead};
}

Result read(const QString &path, QByteArray *bytes, qint64 maxBytes)
{
    bytes->clear();
    if (maxBytes < 0)
        maxBytes = DefaultMaxBytes;
    int fd = -1;
    struct stat st;
    const Result opened = openRegular(path, &fd, &st);
    if (!opened)
        return opened;
    int err = 0;
    const bool ok = readUpTo(fd, 0, maxBytes, bytes, &err);
    ::close(fd);
    if (!ok) {
        bytes->clear();
        return failureFor(err);
    }
    return {};
}

Result write(const QString &path, const QByteArray &bytes, Tail tail, const Snapshot *expected)
{
    QString target;
    int err = 0;
    if (!resolveLinks(path, &target, &err))
        return failureFor(err);
    const QString folder = parentOf(target);

    // The old file, if any, must be a regular file: renaming over a pipe or a device would
    // replace it, and reading its tail could block.
    struct stat oldStat;
    const bool existed = ::stat(encoded(target).constData(), &oldStat) == 0;
    if (!existed && errno != ENOENT)
        return failureFor(errno);
    if (existed && !S_ISREG(oldStat.st_mode))
        return Result::failure(notRegularReason(oldStat.st_mode));
    // The old file is opened only when its tail is wanted: replacing needs no right to read it.
    int oldFd = -1;
    if (existed && tail == Tail::Keep && oldStat.st_size > bytes.size()) {
        const Result opened = openRegular(target, &oldFd, &oldStat);
        if (!opened)
            return opened;
    }

    // Our own temporary file instead of QSaveFile: Qt 6.4's commit() misses a failed final flush.
    QByteArray pattern =
        encoded(folder + u"/."_s + nameOf(target) + TemporaryMark + QString(TemporaryRandomLength, u'X'));
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        err = errno;
        if (oldFd >= 0)
            ::close(oldFd);
        return failureFor(err);
    }

    bool ok = writeAll(fd, bytes.constData(), bytes.size(), &err);
    if (ok && oldFd >= 0)
        ok = copyTail(oldFd, bytes.size(), fd, &err);
    if (oldFd >= 0)
        ::close(oldFd);
    // Before fsync, so that the mode and owner are as safe on disk as the bytes.
    if (ok)
        takeOverAttributes(fd, existed ? &oldStat : nullptr);
    if (ok && ::fsync(fd) != 0) {
        err = errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        err = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(pattern.constData());
        return failureFor(err);
    }
    // Checked as late as possible, so that the window for another program's change is short.
    if (expected) {
        const Result same = checkUnchanged(target, *expected);
        if (!same) {
            ::unlink(pattern.constData());
            return same;
        }
    }
    if (existed) {
        if (const ReplaceHook hook = replaceHook.load())
            hook(path, target);
    }
    if (::rename(pattern.constData(), encoded(target).constData()) != 0) {
        err = errno;
        ::unlink(pattern.constData());
        return failureFor(err);
    }
    syncFolder(folder);
    return {};
}

void setReplaceHook(ReplaceHook hook)
{
    replaceHook.store(hook);
}

bool isTemporaryName(const QString &fileName)
{
    // "." + a non-empty name + ".wrenly-" + mkstemp's six letters or digits.
    const qsizetype markAt = fileName.size() - TemporaryRandomLength - TemporaryMark.size();
    if (markAt < 2 || !fileName.startsWith(u'.'))
        return false;
    if (QStringView(fileName).mid(markAt, TemporaryMark.size()) != TemporaryMark)
        return false;
    for (qsizetype i = markAt + TemporaryMark.size(); i < fileName.size(); ++i) {
        const char16_t c = fileName.at(i).unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
            return false;
    }
    return true;
}

int removeLeftovers(const QString &folder, const QDateTime &olderThan)
{
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    const qint64 limit = olderThan.toMSecsSinceEpoch();
    int removed = 0;
    for (const QString &name : names) {
        if (!isTemporaryName(name))
            continue;
        const QByteArray path = encoded(folder + u'/' + name);
        struct stat st;
        if (::lstat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        const qint64 modified = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
        if (modified < limit && ::unlink(path.constData()) == 0)
            ++removed;
    }
    return removed;
}

} // namespace SafeFile
