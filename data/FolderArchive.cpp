#include "data/FolderArchive.h"

#include "data/BackupRules.h"
#include "data/Config.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace FolderArchive {

namespace {

constexpr qint64 Chunk = 64 * 1024;
// Far above any data folder; an archive beyond them is not one of ours.
constexpr int MaxEntries = 200000;
constexpr qint64 MaxTotalBytes = qint64(2) * 1024 * 1024 * 1024;

SafeFile::Result failureFor(int err)
{
    return SafeFile::Result::failure(SafeFile::systemReason(err));
}

// libarchive's own texts are English: the system's reason when there is one, ours otherwise.
SafeFile::Result archiveFailure(struct archive *a)
{
    const int err = archive_errno(a);
    if (err == ENOENT || err == EACCES || err == EPERM || err == ENOSPC || err == EFBIG || err == EDQUOT ||
        err == EROFS || err == EISDIR)
        return failureFor(err);
    return SafeFile::Result::failure(u"アーカイブが壊れているか, 対応していない形式です."_s);
}

// A temporary file beside `target`, named as SafeFile's own, so that start-up removes what a
// crash left and no archive ever holds it.
int openTemporary(const QString &target, QByteArray *temporary, int *err)
{
    const QFileInfo info(target);
    *temporary = QFile::encodeName(info.path() + u"/."_s + info.fileName() + u".wrenly-XXXXXX"_s);
    const int fd = ::mkostemp(temporary->data(), O_CLOEXEC);
    if (fd < 0) {
        *err = errno;
        return fd;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    return fd;
}

// Syncs (unless the whole file system is synced later) and closes the temporary file; removes it
// when that fails.
bool closeTemporary(int fd, const QByteArray &temporary, int *err, bool sync = true)
{
    bool ok = !sync || ::fsync(fd) == 0;
    if (!ok)
        *err = errno;
    if (::close(fd) != 0 && ok) {
        *err = errno;
        ok = false;
    }
    if (!ok)
        ::unlink(temporary.constData());
    return ok;
}

SafeFile::Result syncFileSystem(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return failureFor(errno);
    const bool ok = ::syncfs(fd) == 0;
    const int err = errno;
    ::close(fd);
    return ok ? SafeFile::Result() : failureFor(err);
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

struct WriteArchive
{
    struct archive *a = archive_write_new();
    ~WriteArchive() { archive_write_free(a); }
};

struct ReadArchive
{
    struct archive *a = archive_read_new();
    ~ReadArchive() { archive_read_free(a); }
};

QStringList archivedFiles(const QString &root, const QString &leaveOut)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = it.next().mid(root.size() + 1);
        if (isArchived(relative) && relative != leaveOut)
            files << relative;
    }
    files.sort();
    return files;
}

// One file into the archive. Opened without waiting and checked to be a regular file on the
// open descriptor; exactly the size seen then is stored, however the file changes meanwhile.
SafeFile::Result addFile(struct archive *a, const QString &root, const QString &relative)
{
    const int fd = ::open(QFile::encodeName(root + u'/' + relative).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failureFor(errno);
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return {}; // a pipe or device put there meanwhile is no data
    }
    archive_entry *entry = archive_entry_new();
    archive_entry_set_pathname_utf8(entry, (topFolderName() + u'/' + relative).toUtf8().constData());
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_perm(entry, st.st_mode & 0777);
    archive_entry_set_size(entry, st.st_size);
    archive_entry_set_mtime(entry, st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
    SafeFile::Result r;
    if (archive_write_header(a, entry) != ARCHIVE_OK)
        r = archiveFailure(a);
    QByteArray buffer(Chunk, '\0');
    for (qint64 left = st.st_size; r && left > 0;) {
        const ssize_t n = ::read(fd, buffer.data(), size_t(qMin(left, Chunk)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) { // shorter than it was: the archive pads the rest
            if (n < 0)
                r = failureFor(errno);
            break;
        }
        if (archive_write_data(a, buffer.constData(), size_t(n)) != n)
            r = archiveFailure(a);
        left -= n;
    }
    archive_entry_free(entry);
    ::close(fd);
    return r;
}

SafeFile::Result openForReading(struct archive *a, const QString &archivePath)
{
    archive_read_support_filter_all(a);
    archive_read_support_format_tar(a);
    archive_read_support_format_zip(a);
    const QFileInfo info(archivePath);
    if (!info.isFile())
        return info.exists() ? SafeFile::Result::failure(u"通常のファイルではありません."_s)
                             : failureFor(ENOENT);
    if (archive_read_open_filename(a, QFile::encodeName(archivePath).constData(), Chunk) != ARCHIVE_OK)
        return archiveFailure(a);
    return {};
}

// The entry's name without the "./" that `tar -C folder .` puts first.
QString entryName(archive_entry *entry)
{
    const char *utf8 = archive_entry_pathname_utf8(entry);
    const char *raw = archive_entry_pathname(entry);
    QString name = utf8 ? QString::fromUtf8(utf8) : raw ? QFile::decodeName(raw) : QString();
    while (name.startsWith(u"./"_s))
        name.remove(0, 2);
    return name;
}

// What the first reading found: the top folder to take off, how many files will be written.
struct Survey
{
    QString top;
    int files = 0;
};

SafeFile::Result survey(const QString &archivePath, Survey *found)
{
    ReadArchive reader;
    SafeFile::Result r = openForReading(reader.a, archivePath);
    if (!r)
        return r;
    QStringList names;
    qint64 total = 0;
    archive_entry *entry = nullptr;
    int status = ARCHIVE_OK;
    while ((status = archive_read_next_header(reader.a, &entry)) == ARCHIVE_OK) {
        if (archive_entry_filetype(entry) == AE_IFREG) {
            names << entryName(entry);
            total += qMax<qint64>(0, archive_entry_size(entry));
        }
        if (names.size() > MaxEntries || total > MaxTotalBytes)
            return SafeFile::Result::failure(u"アーカイブが大きすぎます."_s);
    }
    if (status != ARCHIVE_EOF)
        return archiveFailure(reader.a);
    // Our own archives keep the folder under "Wrenly/"; one made by hand may hold it at the top.
    const QString config = Config::fileName();
    if (!names.contains(config)) {
        const QString first = names.isEmpty() ? QString() : names.constFirst().section(u'/', 0, 0);
        if (first.isEmpty() || !names.contains(first + u'/' + config))
            return SafeFile::Result::failure(u"Wrenly のデータフォルダのアーカイブではありません ("_s +
                                             config + u" がありません)."_s);
        found->top = first;
    }
    for (const QString &name : std::as_const(names)) {
        const QString target = targetOf(name, found->top);
        if (target.isEmpty())
            return SafeFile::Result::failure(u"データフォルダの外を指す名前があります: "_s + name);
        if (isArchived(target))
            ++found->files;
    }
    return r;
}

struct Staged
{
    QByteArray temporary;
    QString target;
};

// The entry's data into a temporary file beside its place in the folder.
SafeFile::Result stageEntry(struct archive *a, const QString &target, qint64 *total, QList<Staged> *staged)
{
    QString place = target;
    const QFileInfo info(target);
    if (info.isSymLink() && info.exists())
        place = info.canonicalFilePath(); // the link stays, its file gets the content
    if (!QDir().mkpath(QFileInfo(place).path()))
        return failureFor(ENOENT);
    int err = 0;
    QByteArray temporary;
    const int fd = openTemporary(place, &temporary, &err);
    if (fd < 0)
        return failureFor(err);
    QByteArray buffer(Chunk, '\0');
    bool ok = true;
    for (;;) {
        const la_ssize_t n = archive_read_data(a, buffer.data(), size_t(buffer.size()));
        if (n < 0) {
            ::close(fd);
            ::unlink(temporary.constData());
            return archiveFailure(a);
        }
        if (n == 0)
            break;
        *total += n; // sizes in the headers may be missing (zip) or false
        if (*total > MaxTotalBytes) {
            err = EFBIG;
            ok = false;
            break;
        }
        if (::write(fd, buffer.constData(), size_t(n)) != n) {
            err = errno == 0 ? ENOSPC : errno;
            ok = false;
            break;
        }
    }
    if (!ok) {
        ::close(fd);
        ::unlink(temporary.constData());
        return *total > MaxTotalBytes ? SafeFile::Result::failure(u"アーカイブが大きすぎます."_s)
                                      : failureFor(err);
    }
    if (!closeTemporary(fd, temporary, &err, false))
        return failureFor(err);
    staged->append({temporary, place});
    return {};
}

SafeFile::Result stageAll(const QString &archivePath, const QString &root, const Survey &plan,
                          const Progress &progress, QList<Staged> *staged)
{
    ReadArchive reader;
    SafeFile::Result r = openForReading(reader.a, archivePath);
    archive_entry *entry = nullptr;
    int status = ARCHIVE_OK;
    qint64 total = 0;
    while (r && (status = archive_read_next_header(reader.a, &entry)) == ARCHIVE_OK) {
        if (archive_entry_filetype(entry) != AE_IFREG)
            continue;
        const QString target = targetOf(entryName(entry), plan.top);
        if (!isArchived(target))
            continue;
        r = stageEntry(reader.a, root + u'/' + target, &total, staged);
        if (progress && plan.files > 0)
            progress(int(90 * staged->size() / plan.files));
    }
    if (r && status != ARCHIVE_EOF)
        r = archiveFailure(reader.a);
    return r;
}

} // namespace

QString topFolderName()
{
    return u"Wrenly"_s;
}

bool isArchived(const QString &relativePath)
{
    return !relativePath.isEmpty() && relativePath.section(u'/', 0, 0) != BackupRules::folderName() &&
           !SafeFile::isTemporaryName(relativePath.section(u'/', -1));
}

QString targetOf(const QString &entryName, const QString &top)
{
    QString name = entryName;
    if (!top.isEmpty()) {
        if (!name.startsWith(top + u'/'))
            return {};
        name.remove(0, top.size() + 1);
    }
    if (name.isEmpty() || name.startsWith(u'/'))
        return {};
    const QStringList parts = name.split(u'/');
    for (const QString &part : parts) {
        if (part.isEmpty() || part == u"."_s || part == u".."_s)
            return {};
        if (std::any_of(part.begin(), part.end(), [](QChar c) { return c.unicode() < 0x20 || c == u'\\'; }))
            return {};
    }
    return name;
}

SafeFile::Result write(const QString &folder, const QString &archivePath, const Progress &progress)
{
    const QString root = QDir::cleanPath(QDir(folder).absolutePath());
    if (!QFileInfo(root).isDir())
        return failureFor(ENOENT);
    const QString self = QDir::cleanPath(QFileInfo(archivePath).absoluteFilePath());
    const QStringList files =
        archivedFiles(root, self.startsWith(root + u'/') ? self.mid(root.size() + 1) : QString());

    int err = 0;
    QByteArray temporary;
    const int fd = openTemporary(self, &temporary, &err);
    if (fd < 0)
        return failureFor(err);
    SafeFile::Result r;
    {
        WriteArchive writer;
        archive_write_add_filter_gzip(writer.a);
        archive_write_set_format_pax_restricted(writer.a);
        if (archive_write_open_fd(writer.a, fd) != ARCHIVE_OK)
            r = archiveFailure(writer.a);
        for (qsizetype i = 0; r && i < files.size(); ++i) {
            r = addFile(writer.a, root, files[i]);
            if (progress)
                progress(int(100 * (i + 1) / files.size()));
        }
        if (archive_write_close(writer.a) != ARCHIVE_OK && r)
            r = archiveFailure(writer.a);
    }
    if (!r) {
        ::close(fd);
        ::unlink(temporary.constData());
        return r;
    }
    if (!closeTemporary(fd, temporary, &err))
        return failureFor(err);
    if (::rename(temporary.constData(), QFile::encodeName(self).constData()) != 0) {
        err = errno;
        ::unlink(temporary.constData());
        return failureFor(err);
    }
    syncFolder(QFileInfo(self).path());
    return r;
}

SafeFile::Result restore(const QString &archivePath, const QString &folder, const Progress &progress)
{
    Survey plan;
    SafeFile::Result r = survey(archivePath, &plan);
    if (!r)
        return r;
    const QString root = QDir::cleanPath(QDir(folder).absolutePath());
    QList<Staged> staged;
    r = stageAll(archivePath, root, plan, progress, &staged);
    // One sync of each file system for all staged files, before any takes its place: a thousand
    // day files synced one by one take seconds. A linked file may lie on another one.
    QSet<QString> folders;
    for (const Staged &s : std::as_const(staged))
        folders.insert(QFileInfo(s.target).path());
    for (auto f = folders.cbegin(); r && f != folders.cend(); ++f)
        r = syncFileSystem(*f);
    qsizetype renamed = 0;
    while (r && renamed < staged.size()) {
        const Staged &s = staged[renamed];
        if (::rename(s.temporary.constData(), QFile::encodeName(s.target).constData()) != 0) {
            r = failureFor(errno);
            break;
        }
        ++renamed;
    }
    for (qsizetype i = renamed; i < staged.size(); ++i)
        ::unlink(staged[i].temporary.constData());
    for (const QString &f : std::as_const(folders))
        syncFolder(f);
    if (progress)
        progress(100);
    return r;
}

} // namespace FolderArchive
