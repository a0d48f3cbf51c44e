#include "ui/widgets/window_keys.h"

#include <QApplication>
#include <QShortcut>
#include <QWidget>

namespace wingmap {

void addCloseKeys(QWidget *window)
{
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), window, window, &QWidget::close);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), window, &QApplication::closeAllWindows);
}

} // namespace wingmap
