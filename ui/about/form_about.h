#ifndef WINGMAP_FORM_ABOUT_H
#define WINGMAP_FORM_ABOUT_H

#include <QWidget>

#include <cstdint>
#include <vector>

class QLabel;

namespace wingmap {

// The information window opened from the About menu entry: six static
// labels and the program's version on a light-yellow window of fixed size.
// It has no parent, so that it keeps the program running while it is open
// on its own. Escape or Ctrl+W closes it, Ctrl+Q closes every window.
//
// Labels without a colour of their own take the palette's text colour when
// it reads on the yellow, else black, also after a change of palette.
class Form_About : public QWidget
{
    Q_OBJECT

public:
    explicit Form_About(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    QLabel *addLabel(const char *name, const QString &text, const QRect &twips, qreal pointSize,
                     std::uint32_t colour);
    void followPalette();

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label7;
    QLabel *Label8;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label_version;
    std::vector<QLabel *> m_plainLabels; // in the palette's text colour
};

} // namespace wingmap

#endif
