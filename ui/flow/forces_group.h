#ifndef WINGMAP_FORCES_GROUP_H
#define WINGMAP_FORCES_GROUP_H

#include <QGroupBox>

class QLabel;
class QLineEdit;

namespace wingmap {

// The lift and moment of the flow shown on a real wing section: the speed V
// in m/s, the chord c in m and the altitude h in m (0 to 20 000) typed, the
// air from the International Standard Atmosphere, and in the group's own
// line the density, the dynamic pressure, the lift and moment per metre of
// span and the Reynolds number, to 4 significant digits. A speed or chord
// that is not above 0, or an altitude out of range, is refused in that line
// with what to type.
class ForcesGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit ForcesGroup(QWidget *parent = nullptr);

    // The coefficients of the flow shown; NaN while there is none.
    void setCoefficients(double lift, double moment);

private:
    void update();

    QLineEdit *m_speed = nullptr;
    QLineEdit *m_chord = nullptr;
    QLineEdit *m_altitude = nullptr;
    QLabel *m_results = nullptr;
    double m_lift;
    double m_moment;
};

} // namespace wingmap

#endif
