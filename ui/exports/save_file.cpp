#include "ui/exports/save_file.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace wingmap {

namespace {

// The file layer's words for what went wrong, with the system's words for
// the error number the failing call left where they add to them (a
// read-only folder: "Existing file ... is not writable (Read-only file
// system)"). Where the file layer has no words (Qt's "Unknown error", as
// after a write that stopped short), the system's alone.
QString reasonOf(const QSaveFile &file, int systemError)
{
    const QString system =
        systemError != 0 ? QString::fromLocal8Bit(std::strerror(systemError)) : QString();
    const QString reason = file.errorString();
    // A file that never failed gives the file layer's words for "no words".
    if (reason.isEmpty() || reason == QFile().errorString())
        return system.isEmpty() ? QString::fromLocal8Bit(std::strerror(EIO)) : system;
    if (system.isEmpty() || reason.contains(system))
        return reason;
    return QStringLiteral("%1 (%2)").arg(reason, system);
}

} // namespace

SaveOutcome saveWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, reasonOf(file, errno)};
    // Unbuffered, every write reaches the disk before anything is replaced,
    // so a full disk cannot go unnoticed until commit() and leave an empty
    // file in place of the old one. A write that stops short (the disk fills
    // up part way) says nothing of why; writing the rest brings the reason
    // to light.
    qint64 written = 0;
    while (written < bytes.size()) {
        errno = 0;
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            const QString reason = reasonOf(file, errno);
            file.cancelWriting();
            return {false, reason};
        }
        written += count;
    }
    errno = 0;
    if (!file.commit())
        return {false, reasonOf(file, errno)};
    return {true, {}};
}

} // namespace wingmap
