#pragma once

#include <QString>

// Starts a partner program without arguments and without waiting for it.
class ProcessLauncher
{
public:
    virtual ~ProcessLauncher() = default;
    virtual bool startDetached(const QString &program, const QString &workingFolder) = 0;
};

class QtProcessLauncher final : public ProcessLauncher
{
public:
    bool startDetached(const QString &program, const QString &workingFolder) override;
};
