#include "ui/exports/save_file.h"

#include <QByteArray>
#include <QSaveFile>

namespace wingmap {

SaveOutcome saveWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    // A small write can stay in the file's buffer; were it first written out
    // by commit(), a full disk could go unnoticed there and the old file be
    // replaced by an empty one. Flushing here brings every write error to
    // light before anything is replaced.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

} // namespace wingmap
