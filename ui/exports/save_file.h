#ifndef WINGMAP_SAVE_FILE_H
#define WINGMAP_SAVE_FILE_H

#include <QString>

class QByteArray;

namespace wingmap {

struct SaveOutcome
{
    bool saved = false;
    // When not saved, why: the file layer's words (QSaveFile's), or else the
    // system's for the error it reported; never empty.
    QString reason;
};

// Writes `bytes` to `path` whole or not at all: they go to a temporary file
// in the same folder, which replaces the file at `path` only once every byte
// is written. On any failure (a missing or read-only folder, a full disk,
// also one that fills up part way) the file at `path`, if there is one, is
// left as it was.
SaveOutcome saveWhole(const QString &path, const QByteArray &bytes);

} // namespace wingmap

#endif
