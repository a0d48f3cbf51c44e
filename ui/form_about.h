#ifndef WINGMAP_FORM_ABOUT_H
#define WINGMAP_FORM_ABOUT_H

#include <QWidget>

#include <cstdint>

class QLabel;

namespace wingmap {

// The information window opened from the About menu entry: six static
// labels on a light-yellow window of fixed size. It has no parent, so that
// it keeps the program running while it is open on its own.
class Form_About : public QWidget
{
    Q_OBJECT

public:
    explicit Form_About(QWidget *parent = nullptr);

private:
    QLabel *addLabel(const char *name, const QString &text, const QRect &twips, qreal pointSize,
                     std::uint32_t colour);

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label7;
    QLabel *Label8;
    QLabel *Label4;
    QLabel *Label5;
};

} // namespace wingmap

#endif
