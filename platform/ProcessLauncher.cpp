#include "platform/ProcessLauncher.h"

#include <QProcess>

bool QtProcessLauncher::startDetached(const QString &program, const QString &workingFolder)
{
    // No shell: the path is the program, nothing is interpreted.
    return QProcess::startDetached(program, {}, workingFolder);
}
