#ifndef WINGMAP_FILE_SAVER_H
#define WINGMAP_FILE_SAVER_H

#include "ui/exports/export_prompts.h"

#include <QCoreApplication>
#include <QList>
#include <QStandardPaths>
#include <QString>

#include <functional>
#include <memory>

class QByteArray;
class QWidget;

namespace wingmap {

class PictureExport;

// What every export of a window does around the bytes it makes: asks where
// to write them, proposing the folder of the last file saved in this run (or
// the user's folder for that kind of file), writes the file whole or not at
// all, and tells the user, in plain words, why a file was not written.
class FileSaver
{
    Q_DECLARE_TR_FUNCTIONS(wingmap::FileSaver)

public:
    explicit FileSaver(QWidget *window);
    ~FileSaver();

    // Replaces the save dialog and the message box (a test's answers).
    void setPrompts(std::unique_ptr<ExportPrompts> prompts);

    // The path the user chose for a file first named `name`, or an empty
    // text when the user cancelled.
    QString askPath(const QString &caption, QStandardPaths::StandardLocation location,
                    const QString &name, const QList<FileKind> &kinds);

    // Writes the bytes to `path`; on failure tells the user why, under the
    // title, and that any file of that name was left as it was. Empty bytes
    // count as a picture that could not be made.
    bool save(const QString &path, const QByteArray &bytes, const QString &failureTitle);

    // Asks where to write a file first named `name`, then makes its bytes
    // and saves them there (as save() does); nothing when the user cancels.
    void exportFile(const QString &caption, QStandardPaths::StandardLocation location,
                    const QString &name, const QList<FileKind> &kinds,
                    const std::function<QByteArray()> &bytes, const QString &failureTitle);
    // A comma-separated values file, first named `name`, in the documents
    // folder.
    void exportCsv(const QString &caption, const QString &name,
                   const std::function<QByteArray()> &bytes, const QString &failureTitle);

    // Tells the user why something was not done.
    void warn(const QString &title, const QString &text);

    // Puts the picture on the clipboard as an image, a PNG and an SVG, at
    // the given device-pixel ratio.
    static void copyPicture(const PictureExport &picture, qreal ratio);
    // Asks where to save the picture, first named `name`, and saves it as a
    // PNG (at the given ratio) or an SVG file by the name's ending.
    void savePicture(const PictureExport &picture, qreal ratio, const QString &name);

private:
    QWidget *m_window;
    std::unique_ptr<ExportPrompts> m_prompts;
    QString m_lastFolder;
};

} // namespace wingmap

#endif
