#pragma once

#include "data/Config.h"

#include <QString>

// The three partner programs Wrenly starts: two launchers and a document manager. Each has a path
// in the configuration, a file name the path must end in, and a caption in the menus.
enum class Partner { Pellmark, Trevant, Dossaro };

struct PartnerProgram
{
    Partner partner;
    const char16_t *name;         // "Pellmark"
    const char16_t *expectedFile; // the path's file name, compared without case
    const char16_t *menuCaption;
    QString Config::*path;

    QString displayName() const { return QString::fromUtf16(name); }
    QString expectedFileName() const { return QString::fromUtf16(expectedFile); }
    QString caption() const { return QString::fromUtf16(menuCaption); }
    const QString &pathIn(const Config &config) const { return config.*path; }
};

namespace PartnerPrograms {

const PartnerProgram &of(Partner partner);

// Whether `fileName` (without folder) names the program: the expected name in any letter case,
// with or without its ".exe", since programs on Linux carry no extension.
bool isExpectedFile(const PartnerProgram &program, const QString &fileName);

// Why the existing `path` cannot be started, in Japanese, or empty when it can be tried.
QString whyNotStartable(const QString &path);

// The message when `program` at `path` did not start, for `why`.
QString notStartedText(const PartnerProgram &program, const QString &path, const QString &why);

} // namespace PartnerPrograms
