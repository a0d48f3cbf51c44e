#ifndef WINGMAP_EXPORT_PROMPTS_H
#define WINGMAP_EXPORT_PROMPTS_H

#include <QList>
#include <QString>

class QWidget;

namespace wingmap {

// A kind of file offered in the save dialog.
struct FileKind
{
    QString filter; // a name filter, such as "PNG image (*.png)"
    QString suffix; // added to a name typed without one, such as "png"
};

// What saving asks of the user: where to write, and what went wrong. The
// window uses the dialogs; tests put in their own answers.
class ExportPrompts
{
public:
    virtual ~ExportPrompts() = default;

    // The path the user chose, or an empty text when the user cancelled. The
    // first kind is selected at first; the user is asked before an existing
    // file is overwritten.
    virtual QString saveFileName(QWidget *parent, const QString &caption,
                                 const QString &proposedPath, const QList<FileKind> &kinds) = 0;

    // Tells the user why something was not done, and waits for the answer.
    virtual void warn(QWidget *parent, const QString &title, const QString &text) = 0;
};

// The toolkit's save dialog and message box.
class DialogPrompts : public ExportPrompts
{
public:
    QString saveFileName(QWidget *parent, const QString &caption, const QString &proposedPath,
                         const QList<FileKind> &kinds) override;
    void warn(QWidget *parent, const QString &title, const QString &text) override;
};

} // namespace wingmap

#endif
