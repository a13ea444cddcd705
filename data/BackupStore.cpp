#include "data/BackupStore.h"

#include "data/FolderArchive.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSettings>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The stores of this process, for SafeFile's hook: one per data folder, usually one in all.
QMutex storesMutex;
QList<BackupStore *> stores;
// A backup made by copying writes through SafeFile::write itself: that write keeps no version.
thread_local bool insideHook = false;

constexpr int MaxSequence = 1000;
const QString FolderArchiveName = u"WrenlyFolder.tar.gz"_s;

int intSetting(const QSettings &settings, const QString &key, int fallback, int lowest, int highest)
{
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok ? qBound(lowest, value, highest) : fallback;
}

SafeFile::Result folderFailure(const QString &path)
{
    return SafeFile::Result::failure(u"バックアップのフォルダを作れませんでした("_s +
                                     QDir::toNativeSeparators(path) + u")."_s);
}

// The file a path names, through symbolic links, so that the version holds the content itself.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
}

} // namespace

BackupStore::BackupStore(const QString &dataFolder, Now now, const BackupRules::Policy &policy)
    : m_folder(QDir::cleanPath(QDir(dataFolder).absolutePath())),
      m_canonicalFolder(QFileInfo(dataFolder).canonicalFilePath()), m_now(std::move(now)), m_policy(policy)
{
    QMutexLocker lock(&storesMutex);
    stores.append(this);
    SafeFile::setReplaceHook(&BackupStore::keepBeforeReplace);
}

BackupStore::~BackupStore()
{
    QMutexLocker lock(&storesMutex);
    stores.removeOne(this);
    if (stores.isEmpty())
        SafeFile::setReplaceHook(nullptr);
}

BackupRules::Policy BackupStore::readPolicy(const QString &settingsPath)
{
    BackupRules::Policy p;
    QSettings settings(settingsPath, QSettings::IniFormat);
    settings.beginGroup(u"Backup"_s);
    p.enabled = settings.value(u"Enabled"_s, p.enabled).toBool();
    p.keepAllDays = intSetting(settings, u"KeepAllDays"_s, p.keepAllDays, 0, 3650);
    p.keepDailyDays = intSetting(settings, u"KeepDailyDays"_s, p.keepDailyDays, 0, 3650);
    p.maxVersionsPerFile = intSetting(settings, u"MaxVersionsPerFile"_s, p.maxVersionsPerFile, 1, 100000);
    const int megabytes = intSetting(settings, u"MaxTotalMB"_s, int(p.maxTotalBytes >> 20), 1, 1024 * 1024);
    p.maxTotalBytes = qint64(megabytes) << 20;
    p.hardLinks = settings.value(u"HardLinks"_s, p.hardLinks).toBool();
    return p;
}

QString BackupStore::folder() const
{
    return m_folder + u'/' + BackupRules::folderName();
}

QString BackupStore::pathOf(const BackupRules::Version &version) const
{
    return folder() + u'/' + version.name;
}

QString BackupStore::dataPathOf(const QString &relativePath) const
{
    return m_folder + u'/' + relativePath;
}

void BackupStore::setFailureHandler(std::function<void(const QString &)> handler)
{
    m_onFailure = std::move(handler);
}

void BackupStore::keepBeforeReplace(const QString &path, const QString &target)
{
    if (insideHook)
        return;
    insideHook = true;
    {
        QMutexLocker lock(&storesMutex);
        for (BackupStore *store : std::as_const(stores)) {
            const QString relative = store->relativeOf(path);
            if (relative.isEmpty())
                continue;
            if (store->m_paused == 0 && store->m_policy.enabled &&
                BackupRules::kindOf(relative) != BackupRules::Kind::None)
                store->report(relative, store->makeVersion(relative, target));
            break;
        }
    }
    insideHook = false;
}

QString BackupStore::relativeOf(const QString &path) const
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    for (const QString &root : {m_folder, m_canonicalFolder}) {
        if (!root.isEmpty() && clean.startsWith(root + u'/'))
            return clean.mid(root.size() + 1);
    }
    return {};
}

SafeFile::Result BackupStore::keep(const QString &path)
{
    const QString relative = relativeOf(path);
    if (relative.isEmpty())
        return SafeFile::Result::failure(u"データフォルダのファイルではありません."_s);
    const bool outer = !insideHook;
    insideHook = true;
    const SafeFile::Result r = makeVersion(relative, resolved(path));
    insideHook = !outer;
    return r;
}

SafeFile::Result BackupStore::makeVersion(const QString &relativePath, const QString &source)
{
    const QDateTime now = m_now();
    QString destination;
    for (int sequence = 0; sequence < MaxSequence && destination.isEmpty(); ++sequence) {
        const QString path = folder() + u'/' + BackupRules::versionName(relativePath, now, sequence);
        if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
            destination = path;
    }
    if (destination.isEmpty())
        return SafeFile::Result::failure(SafeFile::systemReason(EEXIST));
    const QString parent = QFileInfo(destination).path();
    if (!QDir().mkpath(parent))
        return folderFailure(parent);
    const SafeFile::Result r = putVersion(source, destination);
    if (!r)
        return r;
    if (m_totalBytes >= 0)
        m_totalBytes += QFileInfo(destination).size();
    prune(relativePath, now);
    return r;
}

// A hard link costs nothing: the save's rename leaves the old file to it. Where the file system
// has none (FAT, another device), a copy, written as crash-safe as any save.
SafeFile::Result BackupStore::putVersion(const QString &source, const QString &destination) const
{
    if (m_policy.hardLinks &&
        ::link(QFile::encodeName(source).constData(), QFile::encodeName(destination).constData()) == 0)
        return {};
    const QFileInfo info(source);
    if (info.size() > SafeFile::DefaultMaxBytes)
        return SafeFile::Result::failure(u"ファイルが大きすぎるため, コピーしませんでした."_s);
    QByteArray bytes;
    const SafeFile::Result read = SafeFile::read(source, &bytes);
    if (!read)
        return read;
    return SafeFile::write(destination, bytes, SafeFile::Tail::Drop);
}

void BackupStore::report(const QString &relativePath, const SafeFile::Result &result)
{
    if (result) {
        m_failureReported = false;
        return;
    }
    if (m_failureReported || !m_onFailure)
        return;
    m_failureReported = true;
    m_onFailure(u"バックアップを作れませんでした: "_s + QDir::toNativeSeparators(relativePath) + u" ("_s +
                result.error + u") 保存はできています."_s);
}

SafeFile::Result BackupStore::keepFolder(QString *kept)
{
    const QDateTime now = m_now();
    QString destination;
    for (int sequence = 0; sequence < MaxSequence && destination.isEmpty(); ++sequence) {
        const QString path = folder() + u'/' + BackupRules::versionName(FolderArchiveName, now, sequence);
        if (!QFileInfo::exists(path))
            destination = path;
    }
    const QString parent = QFileInfo(destination).path();
    if (destination.isEmpty() || !QDir().mkpath(parent))
        return folderFailure(parent);
    const SafeFile::Result r = FolderArchive::write(m_folder, destination);
    if (!r)
        return r;
    if (kept)
        *kept = destination;
    m_totalBytes = -1; // counted again by the full prune
    m_lastFullPrune = {};
    prune(FolderArchiveName, now);
    return r;
}

QList<BackupRules::Version> BackupStore::versionsOf(const QString &relativePath) const
{
    const QString dir = QFileInfo(relativePath).path();
    const QString subFolder = dir == u"."_s ? QString() : u'/' + dir;
    const QString pattern = QFileInfo(relativePath).fileName() + u".*"_s;
    QList<BackupRules::Version> found;
    const QStringList months = QDir(folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &month : months) {
        // Names only: a stat of each of hundreds of versions would cost every save milliseconds.
        const QStringList names = QDir(folder() + u'/' + month + subFolder).entryList({pattern}, QDir::Files);
        for (const QString &name : names) {
            const std::optional<BackupRules::Version> v = BackupRules::parse(month + subFolder + u'/' + name);
            if (v && v->relativePath == relativePath)
                found << *v;
        }
    }
    return found;
}

QList<BackupRules::Version> BackupStore::allVersions() const
{
    QList<BackupRules::Version> found;
    const QString root = folder();
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        std::optional<BackupRules::Version> v = BackupRules::parse(it.filePath().mid(root.size() + 1));
        if (!v)
            continue;
        v->size = it.fileInfo().size();
        found << *v;
    }
    return found;
}

QList<BackupStore::File> BackupStore::files() const
{
    QList<File> files;
    const QList<BackupRules::Version> all = allVersions();
    for (const BackupRules::Version &v : all) {
        const BackupRules::Kind kind = BackupRules::kindOf(v.relativePath);
        if (kind == BackupRules::Kind::None)
            continue;
        auto file = std::find_if(files.begin(), files.end(),
                                 [&](const File &f) { return f.relativePath == v.relativePath; });
        if (file == files.end())
            file = files.insert(files.end(), File{v.relativePath, kind, {}});
        file->versions << v;
    }
    for (File &f : files) {
        std::sort(f.versions.begin(), f.versions.end(), [](const auto &a, const auto &b) {
            return a.time != b.time ? a.time > b.time : a.sequence > b.sequence;
        });
    }
    std::sort(files.begin(), files.end(), [](const File &a, const File &b) {
        return a.kind != b.kind ? a.kind < b.kind : a.relativePath < b.relativePath;
    });
    return files;
}

void BackupStore::prune(const QString &relativePath, const QDateTime &now)
{
    const QList<BackupRules::Version> versions = versionsOf(relativePath);
    remove(versions, BackupRules::expired(versions, now, m_policy));
    // Files saved no more (last month's days) lose their old versions at the first save of a day.
    if (m_lastFullPrune != now.date() || m_totalBytes < 0)
        pruneAll(now);
    if (m_totalBytes > m_policy.maxTotalBytes) {
        const QList<BackupRules::Version> all = allVersions();
        remove(all, BackupRules::overSize(all, m_policy.maxTotalBytes));
    }
}

void BackupStore::pruneAll(const QDateTime &now)
{
    m_lastFullPrune = now.date();
    const QList<BackupRules::Version> all = allVersions();
    QHash<QString, QList<BackupRules::Version>> byFile;
    for (const BackupRules::Version &v : all)
        byFile[v.relativePath] << v;
    m_totalBytes = 0;
    for (const QList<BackupRules::Version> &versions : std::as_const(byFile)) {
        for (const BackupRules::Version &v : versions)
            m_totalBytes += v.size;
        remove(versions, BackupRules::expired(versions, now, m_policy));
    }
    // What copies cut short by a crash left, and the folders pruning emptied.
    QDirIterator folders(folder(), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QStringList emptied;
    while (folders.hasNext()) {
        const QString dir = folders.next();
        SafeFile::removeLeftovers(dir);
        emptied.prepend(dir);
    }
    for (const QString &dir : std::as_const(emptied))
        QDir().rmdir(dir); // only when empty
}

void BackupStore::remove(const QList<BackupRules::Version> &versions, const QList<int> &which)
{
    for (int i : which) {
        const QString path = pathOf(versions[i]);
        const qint64 size = QFileInfo(path).size();
        if (QFile::remove(path) && m_totalBytes >= 0)
            m_totalBytes = qMax<qint64>(0, m_totalBytes - size);
    }
}

SafeFile::Result BackupStore::restore(const BackupRules::Version &version)
{
    QByteArray bytes;
    const QString source = pathOf(version);
    if (QFileInfo(source).size() > SafeFile::DefaultMaxBytes)
        return SafeFile::Result::failure(u"バックアップが大きすぎます."_s);
    const SafeFile::Result read = SafeFile::read(source, &bytes);
    if (!read)
        return read;
    const QString target = dataPathOf(version.relativePath);
    if (QFileInfo::exists(target)) {
        const SafeFile::Result kept = keep(target);
        if (!kept)
            return SafeFile::Result::failure(u"今の内容をバックアップできないため, 戻しませんでした. "_s +
                                             kept.error);
    }
    if (!QDir().mkpath(QFileInfo(target).path()))
        return folderFailure(QFileInfo(target).path());
    Pause pause(*this);
    return SafeFile::write(target, bytes, SafeFile::Tail::Drop);
}
