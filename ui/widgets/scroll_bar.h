#ifndef WINGMAP_SCROLL_BAR_H
#define WINGMAP_SCROLL_BAR_H

#include <QScrollBar>

namespace wingmap {

// A scroll bar that shows when it has the keyboard focus, by a frame in the
// focus colour drawn over its outer edge (its size and parts stay as they
// are), and whose Page keys go the way of its arrow keys: Page Down adds a
// page like Right adds a step, Page Up takes one away like Left.
class ScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit ScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace wingmap

#endif
