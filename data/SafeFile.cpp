#include "data/SafeFile.h"

#include <QDir>
#include <QFile>

#include <atomic>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
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

qint64 modifiedNs(const struct stat &st)
{
    return qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

// Copying such a tail could take any time and any amount of disk; dropping it would lose it.
QString tooLargeReason(qint64 fileSize, qint64 recordSize)
{
    return u"ファイルの大きさ(%1 バイト)が, 形式の大きさ(%2 バイト)の2倍を超えています. "
           u"後ろに付いたデータを失わないよう, 書き込みませんでした."_s.arg(fileSize)
               .arg(recordSize);
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

// Compares the file as it is now with what was read before: its size and time, then its bytes.
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
    if (st.st_size != expected.size || modifiedNs(st) != expected.modifiedNs) {
        ::close(fd);
        return changedOnDisk();
    }
    const QByteArray before = expected.head + expected.tail;
    QByteArray now;
    int err = 0;
    const bool ok = readUpTo(fd, 0, before.size(), &now, &err);
    ::close(fd);
    if (!ok)
        return failureFor(err);
    return now == before ? Result() : changedOnDisk();
}

// What a file holds after its first `recordSize` bytes. A tail longer than the record belongs to
// no format of ours and is refused, so that no save copies an unbounded amount.
Result readTail(const QString &target, qint64 recordSize, struct stat *st, QByteArray *tail)
{
    if (st->st_size - recordSize > recordSize)
        return Result::failure(tooLargeReason(st->st_size, recordSize));
    int fd = -1;
    const Result opened = openRegular(target, &fd, st);
    if (!opened)
        return opened;
    int err = 0;
    const bool ok = readUpTo(fd, recordSize, recordSize, tail, &err);
    ::close(fd);
    return ok ? Result() : failureFor(err);
}

// A temporary file of our own, locked for as long as the save needs it, so that removeLeftovers()
// in this or another Wrenly can tell it from what a crash left. Should a removal take the new file
// between its creation and the lock, another name is tried.
int makeLockedTemporary(QByteArray *path, const QString &folder, const QString &name, int *err)
{
    const QByteArray pattern =
        encoded(folder + u"/."_s + name + TemporaryMark + QString(TemporaryRandomLength, u'X'));
    for (int attempt = 0; attempt < 10; ++attempt) {
        *path = pattern;
        const int fd = ::mkostemp(path->data(), O_CLOEXEC);
        if (fd < 0) {
            *err = errno;
            return -1;
        }
        struct stat st;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink > 0)
            return fd;
        ::close(fd);
    }
    *err = EAGAIN;
    return -1;
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

Result read(const QString &path, QByteArray *bytes, qint64 maxBytes)
{
    return read(path, bytes, maxBytes, nullptr);
}

Result read(const QString &path, QByteArray *bytes, qint64 maxBytes, Snapshot *snapshot)
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
    QByteArray tail;
    bool ok = readUpTo(fd, 0, maxBytes, bytes, &err);
    // The tail as far as a save would keep it, so that a change there is noticed too.
    if (ok && snapshot)
        ok = readUpTo(fd, bytes->size(), bytes->size(), &tail, &err);
    ::close(fd);
    if (!ok) {
        bytes->clear();
        return failureFor(err);
    }
    if (snapshot)
        *snapshot = {true, *bytes, tail, qint64(st.st_size), modifiedNs(st)};
    return {};
}

Result write(const QString &path, const QByteArray &bytes, Tail tail, const Snapshot *expected,
             Snapshot *written)
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
    // The old file is read only when its tail is wanted: replacing needs no right to read it.
    QByteArray kept;
    if (existed && tail == Tail::Keep && oldStat.st_size > bytes.size()) {
        const Result read = readTail(target, bytes.size(), &oldStat, &kept);
        if (!read)
            return read;
    }

    // Our own temporary file instead of QSaveFile: Qt 6.4's commit() misses a failed final flush.
    QByteArray temporary;
    const int fd = makeLockedTemporary(&temporary, folder, nameOf(target), &err);
    if (fd < 0)
        return failureFor(err);
    bool ok = writeAll(fd, bytes.constData(), bytes.size(), &err) &&
              writeAll(fd, kept.constData(), kept.size(), &err);
    // Before fsync, so that the mode and owner are as safe on disk as the bytes.
    if (ok)
        takeOverAttributes(fd, existed ? &oldStat : nullptr);
    struct stat newStat;
    if (ok && (::fsync(fd) != 0 || ::fstat(fd, &newStat) != 0)) {
        err = errno;
        ok = false;
    }
    // Checked as late as possible, so that the window for another program's change is short.
    Result outcome = ok ? Result() : failureFor(err);
    if (ok && expected)
        outcome = checkUnchanged(target, *expected);
    if (outcome && existed) {
        if (const ReplaceHook hook = replaceHook.load())
            hook(path, target);
    }
    if (outcome && ::rename(temporary.constData(), encoded(target).constData()) != 0)
        outcome = failureFor(errno);
    if (!outcome)
        ::unlink(temporary.constData());
    // Closed only now: the lock on the temporary file lasts until it is renamed or removed.
    ::close(fd);
    if (!outcome)
        return outcome;
    syncFolder(folder);
    if (written)
        *written = {true, bytes, kept, qint64(newStat.st_size), modifiedNs(newStat)};
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

int removeLeftovers(const QString &folder)
{
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    int removed = 0;
    for (const QString &name : names) {
        if (!isTemporaryName(name))
            continue;
        const QByteArray path = encoded(folder + u'/' + name);
        const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        // A save under way holds its lock; the name must still be the file that was locked.
        struct stat held;
        struct stat there;
        if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::lstat(path.constData(), &there) == 0 && there.st_ino == held.st_ino &&
            there.st_dev == held.st_dev && ::unlink(path.constData()) == 0)
            ++removed;
        ::close(fd);
    }
    return removed;
}

} // namespace SafeFile
