#include "ui/about/form_about.h"

#include "plot/colour.h"
#include "ui/widgets/accessible_roles.h"
#include "ui/widgets/contrast.h"
#include "ui/widgets/twips.h"
#include "ui/widgets/window_keys.h"
#include "wingmap_version.h"

#include <QEvent>
#include <QLabel>
#include <QShortcut>

namespace wingmap {

namespace {

constexpr Colour kDarkGreen = 0x008000;
constexpr Colour kBlue = 0xFF0000;
// Marks a label whose text keeps the palette's default colour.
constexpr Colour kDefaultText = 0xFFFFFFFF;

QPalette lightYellow(QPalette palette)
{
    palette.setColor(QPalette::Window, toQColor(kBackground));
    return palette;
}

} // namespace

Form_About::Form_About(QWidget *parent) : QWidget(parent, Qt::Window)
{
    // A dialog to a screen reader, as a plain widget window would be a
    // "filler".
    registerAccessibleRole(staticMetaObject, QAccessible::Dialog);
    setObjectName("Form_About");
    setWindowTitle("About");
    setFixedSize(fromTwips(0, 0, 4125, 3195).size());
    setPalette(lightYellow(palette()));
    setAutoFillBackground(true);

    Label1 = addLabel("Label1", "Wingmap", fromTwips(1080, 240, 2055, 255), 12, kDarkGreen);
    QFont title = Label1->font();
    title.setBold(true);
    title.setUnderline(true);
    Label1->setFont(title);
    // In the band between the name and the description, which it fills
    // without touching either.
    Label_version = addLabel("Label_version", tr("Version %1").arg(WINGMAP_VERSION),
                             fromTwips(1080, 495, 2055, 225), 8.25, kDefaultText);

    Label2 = addLabel("Label2", "Application of the Joukowsky Transformation to a circle",
                      fromTwips(840, 720, 2655, 735), 9.75, kDarkGreen);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(true);

    Label7 = addLabel("Label7", "Made with C++ and Qt 6", fromTwips(840, 1680, 2535, 255), 8.25,
                      kDefaultText);
    Label8 = addLabel("Label8", "last update : Februaray 2007", fromTwips(840, 2040, 2775, 255),
                      8.25, kDefaultText);
    Label4 = addLabel("Label4", "for comments and questions e-mail to",
                      fromTwips(480, 2520, 3375, 255), 8.25, kDefaultText);
    Label5 = addLabel("Label5", "the maintainers", fromTwips(1200, 2760, 1935, 255), 8.25, kBlue);
    followPalette();

    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    addCloseKeys(this);
}

QLabel *Form_About::addLabel(const char *name, const QString &text, const QRect &geometry,
                             qreal pointSize, Colour colour)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(geometry);
    QFont font = label->font();
    font.setFamilies({"Verdana", "DejaVu Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    label->setFont(font);
    QPalette palette = lightYellow(label->palette());
    if (colour != kDefaultText)
        palette.setColor(QPalette::WindowText, toQColor(colour));
    else
        m_plainLabels.push_back(label);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

void Form_About::followPalette()
{
    const QColor text = plotForeground(palette());
    for (QLabel *label : m_plainLabels) {
        QPalette own = label->palette();
        own.setColor(QPalette::WindowText, text);
        label->setPalette(own);
    }
}

void Form_About::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        followPalette();
    QWidget::changeEvent(event);
}

} // namespace wingmap
