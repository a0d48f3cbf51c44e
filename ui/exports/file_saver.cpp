#include "ui/exports/file_saver.h"

#include "plot/picture_export.h"
#include "ui/exports/save_file.h"

#include <QByteArray>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace wingmap {

FileSaver::FileSaver(QWidget *window)
    : m_window(window), m_prompts(std::make_unique<DialogPrompts>())
{
}

FileSaver::~FileSaver() = default;

void FileSaver::setPrompts(std::unique_ptr<ExportPrompts> prompts)
{
    m_prompts = std::move(prompts);
}

QString FileSaver::askPath(const QString &caption, QStandardPaths::StandardLocation location,
                           const QString &name, const QList<FileKind> &kinds)
{
    QString folder = m_lastFolder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(location);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return m_prompts->saveFileName(m_window, caption, QDir(folder).filePath(name), kinds);
}

bool FileSaver::save(const QString &path, const QByteArray &bytes, const QString &failureTitle)
{
    const SaveOutcome outcome = bytes.isEmpty()
                                    ? SaveOutcome{false, tr("the picture could not be made")}
                                    : saveWhole(path, bytes);
    if (outcome.saved) {
        m_lastFolder = QFileInfo(path).absolutePath();
        return true;
    }
    QString reason = outcome.reason;
    if (reason.endsWith('.'))
        reason.chop(1);
    warn(failureTitle, tr("%1 could not be written: %2.\n\n"
                          "A file of that name, if there was one, has been left as it was. Check "
                          "that the folder exists, that you may write to it and that the disk has "
                          "room, then save again.")
                           .arg(QDir::toNativeSeparators(path), reason));
    return false;
}

void FileSaver::exportFile(const QString &caption, QStandardPaths::StandardLocation location,
                           const QString &name, const QList<FileKind> &kinds,
                           const std::function<QByteArray()> &bytes, const QString &failureTitle)
{
    const QString path = askPath(caption, location, name, kinds);
    if (!path.isEmpty())
        save(path, bytes(), failureTitle);
}

void FileSaver::exportCsv(const QString &caption, const QString &name,
                          const std::function<QByteArray()> &bytes, const QString &failureTitle)
{
    exportFile(caption, QStandardPaths::DocumentsLocation, name,
               {{tr("Comma-separated values (*.csv)"), "csv"}, {tr("All files (*)"), ""}}, bytes,
               failureTitle);
}

void FileSaver::warn(const QString &title, const QString &text)
{
    m_prompts->warn(m_window, title, text);
}

void FileSaver::copyPicture(const PictureExport &picture, qreal ratio)
{
    auto *data = new QMimeData;
    data->setImageData(picture.image(ratio));
    data->setData(QStringLiteral("image/png"), picture.png(ratio));
    data->setData(QStringLiteral("image/svg+xml"), picture.svg());
    QGuiApplication::clipboard()->setMimeData(data);
}

void FileSaver::savePicture(const PictureExport &picture, qreal ratio, const QString &name)
{
    const QString path =
        askPath(tr("Save picture"), QStandardPaths::PicturesLocation, name,
                {{tr("PNG image (*.png)"), "png"}, {tr("SVG drawing (*.svg)"), "svg"}});
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != "png" && suffix != "svg") {
        warn(tr("Picture not saved"), tr("%1 was not written: pictures are saved as PNG or SVG.\n\n"
                                         "Save again with a name that ends in .png or .svg.")
                                          .arg(QDir::toNativeSeparators(path)));
        return;
    }
    save(path, suffix == "png" ? picture.png(ratio) : picture.svg(), tr("Picture not saved"));
}

} // namespace wingmap
