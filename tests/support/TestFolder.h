#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder for one test, with the runtime files copied in when asked.
class TestFolder
{
public:
    TestFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;
    // Copies "Shutter.wav" (made by the build) into the folder.
    void addShutter() const;

private:
    QTemporaryDir m_dir;
};

// Fails the current test function when the fake dialogs saw a question nobody answered.
#define VERIFY_NO_UNEXPECTED_BOXES(fake)                                                                     \
    QVERIFY2((fake).unexpected.isEmpty(), qPrintable((fake).unexpected.join(u'|')))
