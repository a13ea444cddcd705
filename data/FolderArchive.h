#pragma once

#include "data/SafeFile.h"

#include <QString>

#include <functional>

// The whole data folder as one gzip-compressed tar archive (libarchive), its files under the top
// folder "Wrenly/" as `tar czf … -C ~/.local/share Wrenly` would write them. The backups and the
// temporary files of saves under way stay out.
namespace FolderArchive {

// Told how far the work has got, 0..100; called on the thread doing the work.
using Progress = std::function<void(int percent)>;

QString topFolderName(); // "Wrenly"

// True for the files of the data folder an archive holds.
bool isArchived(const QString &relativePath);

// The place in the data folder of an archive's entry, with `top` ("Wrenly" or empty) taken off
// the front; empty for a name that could reach outside the folder (absolute, "..", empty parts,
// control characters or backslashes).
QString targetOf(const QString &entryName, const QString &top);

// Writes the archive of `folder` to `archivePath` crash-safe: a temporary file beside it, synced,
// renamed over whatever was there.
SafeFile::Result write(const QString &folder, const QString &archivePath, const Progress &progress = {});

// Puts the files of an archive back into `folder`. The archive is read through once before
// anything is written and refused unless it holds a data folder (a Config.vxc, at the top or
// under one top folder) and every name stays inside the folder; links and devices in it are
// passed over. Every file then goes to a temporary file beside its place, and only when all are
// written are they renamed into place; files the archive does not hold stay as they are.
SafeFile::Result restore(const QString &archivePath, const QString &folder, const Progress &progress = {});

} // namespace FolderArchive
