#include "ui/flow/forces_group.h"

#include "geometry/atmosphere.h"
#include "geometry/number_text.h"
#include "ui/flow/flow_text.h"
#include "ui/widgets/notice_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <cmath>
#include <limits>

namespace wingmap {

namespace {

QLineEdit *makeField(QWidget *parent, QGridLayout *grid, int row, const QString &label,
                     const char *name, const QString &initial, const QString &description)
{
    auto *field = new QLineEdit(initial, parent);
    field->setObjectName(name);
    auto *caption = new QLabel(label, parent);
    caption->setBuddy(field);
    field->setAccessibleDescription(description);
    field->setMaximumWidth(90);
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    return field;
}

double read(const QLineEdit *field)
{
    return ReadNumber(field->text().toStdString());
}

} // namespace

ForcesGroup::ForcesGroup(QWidget *parent)
    : QGroupBox(tr("Forces on a wing section"), parent),
      m_lift(std::numeric_limits<double>::quiet_NaN()),
      m_moment(std::numeric_limits<double>::quiet_NaN())
{
    setObjectName("Frame_forces");
    auto *grid = new QGridLayout(this);
    m_speed = makeField(this, grid, 0, tr("Speed &V (m/s) ="), "Text_speed", "50",
                        tr("The speed of the air far from the wing, in metres per second, above "
                           "0. Numbers use a point."));
    m_chord = makeField(this, grid, 1, tr("&Chord c (m) ="), "Text_chord", "1",
                        tr("The chord of the wing section, in metres, above 0. Numbers use a "
                           "point."));
    m_altitude = makeField(this, grid, 2, tr("Alt&itude h (m) ="), "Text_altitude", "0",
                           tr("The altitude in the standard atmosphere, in metres, from 0 to "
                              "20000. Numbers use a point."));
    m_speed->setAccessibleName(tr("Speed in metres per second"));
    m_chord->setAccessibleName(tr("Chord in metres"));
    m_altitude->setAccessibleName(tr("Altitude in metres"));

    m_results = new QLabel(this);
    m_results->setObjectName("Label_forces");
    m_results->setWordWrap(true);
    m_results->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_results->setFocusPolicy(Qt::NoFocus);
    m_results->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_results->setMinimumWidth(280);
    grid->addWidget(m_results, 0, 2, 3, 1);
    grid->setColumnStretch(2, 1);

    for (QLineEdit *field : {m_speed, m_chord, m_altitude})
        connect(field, &QLineEdit::textChanged, this, &ForcesGroup::update);
    update();
}

// The coefficients are exact to about 1e-15; what lies below 1e-12 is
// rounding (the flat plate's moment), which four significant digits would
// show as a number of its own.
void ForcesGroup::setCoefficients(double lift, double moment)
{
    constexpr double kResolution = 1e12;
    m_lift = std::round(lift * kResolution) / kResolution;
    m_moment = std::round(moment * kResolution) / kResolution;
    update();
}

void ForcesGroup::update()
{
    const QString reading = NoticeText::reading(
        {{tr("V"), m_speed->text()}, {tr("c"), m_chord->text()}, {tr("h"), m_altitude->text()}},
        false);
    const Atmosphere air = StandardAtmosphere(read(m_altitude));
    const SectionForces forces = air.ok()
                                     ? SectionForcesAt(read(m_speed), read(m_chord), air.density,
                                                       air.viscosity, m_lift, m_moment)
                                     : SectionForces{};
    QString text = FlowText::forces(air, forces, read(m_speed), read(m_chord), m_lift);
    if (!reading.isEmpty())
        text += ' ' + reading;
    m_results->setText(text);
    m_results->setAccessibleName(text);
}

} // namespace wingmap
