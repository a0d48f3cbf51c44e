#include "ui/exports/picture_actions.h"

#include "plot/picture_export.h"
#include "ui/exports/file_saver.h"
#include "ui/widgets/plot_pane.h"

#include <QAction>
#include <QMenu>

namespace wingmap {

PictureActions::PictureActions(QWidget *window, const QList<PlotPane *> &panes, FileSaver &saver,
                               std::function<PictureExport()> picture, const QString &fileName,
                               const QString &menuName)
    : QObject(window), m_window(window), m_saver(saver), m_picture(std::move(picture)),
      m_fileName(fileName)
{
    // Window shortcuts: a focused text field claims Ctrl+C (a shortcut
    // override), so there it copies its own text.
    auto *copy = new QAction(tr("&Copy picture"), m_window);
    copy->setShortcuts(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, &PictureActions::copyPicture);

    auto *save = new QAction(tr("&Save picture…"), m_window);
    save->setShortcuts(QKeySequence::Save);
    save->setShortcutContext(Qt::WindowShortcut);
    connect(save, &QAction::triggered, this, &PictureActions::savePicture);

    m_menu = new QMenu(m_window);
    m_menu->setObjectName(menuName);
    addAction(copy);
    addAction(save);
    for (PlotPane *pane : panes)
        connect(pane, &PlotPane::contextMenuRequested, this, &PictureActions::showMenu);
}

void PictureActions::addAction(QAction *action)
{
    m_window->addAction(action);
    m_menu->addAction(action);
}

void PictureActions::showMenu(const QPoint &globalPos)
{
    m_menu->popup(globalPos);
}

void PictureActions::copyPicture()
{
    FileSaver::copyPicture(m_picture(), m_window->devicePixelRatioF());
}

void PictureActions::savePicture()
{
    m_saver.savePicture(m_picture(), m_window->devicePixelRatioF(), m_fileName);
}

} // namespace wingmap
