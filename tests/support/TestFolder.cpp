#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestFolder::TestFolder() = default;

void TestFolder::write(const QString &name, const QByteArray &bytes) const
{
    const QString p = file(name);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray TestFolder::read(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool TestFolder::exists(const QString &name) const
{
    return QFileInfo::exists(file(name));
}

void TestFolder::addShutter() const
{
    // A tiny valid wave file is enough: the fake player never decodes it.
    static const QByteArray wav =
        QByteArray::fromHex("52494646260000005741564566"
                            "6d74201000000001000100401f0000401f0000010008006461746102000000"
                            "8080");
    write(QStringLiteral("Shutter.wav"), wav);
}
