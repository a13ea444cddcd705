// Saves one file over and over with SafeFile::write, alternating two versions, until it is killed.
// tst_safefilecrash kills it at random points and checks what is left on disk.
#include "data/SafeFile.h"

#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    // Different lengths and contents, so that a torn file can never pass for either.
    const QByteArray versions[2] = {QByteArray(27360, 'o'), QByteArray(10728, 'n')};
    for (int i = 0;; i ^= 1) {
        if (!SafeFile::write(path, versions[i], SafeFile::Tail::Drop)) {
            std::fputs("write failed\n", stderr);
            return 1;
        }
    }
}
