#pragma once

#include <QString>

// Paths as Config.vxc keeps them. The file is Shift-JIS: a path it cannot hold would come back as
// "?" and name nothing, so such a path is refused when it is chosen. The one exception is a picture
// inside the data folder, whose folder name may be beyond Shift-JIS: it is kept relative to the data
// folder ("Sample1.JPG"), which an older reader takes as a plain path in its own folder.
namespace ConfigPath {

// Whether Shift-JIS holds `path` exactly, character for character.
bool holds(const QString &path);

// The picture line for `path`: the path itself, or the part after the data folder when only that
// can be held.
QString storedPicture(const QString &path, const QString &dataFolder);
// The picture a line names: a bare relative name lies in the data folder.
QString resolvedPicture(const QString &stored, const QString &dataFolder);

// Whether a picture or program chosen at `path` can be kept as it is (`dataFolder` empty: no
// relative form).
bool canKeep(const QString &path, const QString &dataFolder = {});
// The message for a chosen file whose path cannot be kept.
QString refusalText(const QString &path);

} // namespace ConfigPath
