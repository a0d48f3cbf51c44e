#include "ui/exports/export_prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace wingmap {

QString DialogPrompts::saveFileName(QWidget *parent, const QString &caption,
                                    const QString &proposedPath, const QList<FileKind> &kinds)
{
    QFileDialog dialog(parent, caption, QFileInfo(proposedPath).absolutePath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog adds the suffix before it asks whether to overwrite, so
    // the question is about the file that will be written; a desktop's
    // dialog may add it only afterwards and replace a file unasked.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QStringList filters;
    for (const FileKind &kind : kinds)
        filters << kind.filter;
    dialog.setNameFilters(filters);
    if (!kinds.isEmpty())
        dialog.setDefaultSuffix(kinds.first().suffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        for (const FileKind &kind : kinds)
            if (kind.filter == filter)
                dialog.setDefaultSuffix(kind.suffix);
    });
    dialog.selectFile(QFileInfo(proposedPath).fileName());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void DialogPrompts::warn(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text);
}

} // namespace wingmap
