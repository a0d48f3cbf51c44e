#ifndef WINGMAP_FORM1_H
#define WINGMAP_FORM1_H

#include "geometry/parameter_state.h"
#include "ui/flow/flow_window.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace wingmap {

struct InputTexts;
struct RedrawOutcome;
struct ShownDrawing;
class Form_About;
class PaneExports;
class PlotPane;

// The main window: the circle and airfoil panes, the F, G and b controls,
// the b-limit check box, the Scale controls, and the About menu entry.
//
// Keys beyond each control's own: Alt+A opens About, Ctrl+L the Flow window
// (also from the panes' context menu), F10 gives the keyboard to the menu
// bar, Ctrl+W closes the window and Ctrl+Q every window. The
// status line keeps its dark red where that reads on the window's
// background, and a readable shade of red where it does not.
//
// The window owns the parameter record. Every handler ends in hesapla(),
// directly or through a handler it runs nested: assigning a scroll bar a
// different value, or a text field a different text, runs that control's
// handler at once, before the assignment returns.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // Reads the four text fields, resamples, and redraws both panes. The
    // status line then gives the profile's measured shape, and each pane's
    // accessible description says what it shows. When the texts cannot be
    // drawn the panes keep their last drawing and the status line says why.
    // The line below the Check1 and Scale row tells of texts that are not
    // wholly one number, and of a Scale too near 0 to draw.
    void hesapla();

    const ParameterState &state() const { return m_state; }
    // The About window, or null before it was first opened.
    Form_About *aboutWindow() const { return m_about.get(); }
    // The Flow window, or null before it was first opened.
    FlowWindow *flowWindow() const { return m_flow.get(); }

signals:
    // Emitted at the end of every run of hesapla().
    void redrawn(bool drawn);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void HScroll_F_Change(int value);
    void HScroll_G_Change(int value);
    void HScroll_b_Change(int value);
    void HScroll_MaxC_Change(int value);
    void Text_MaxC_Change();
    void Picture_circle_Click();
    void Picture_airfoil_Click();
    void Mn_About_Click();
    void showFlow();
    void sharpTrailingEdge(double b);

private:
    // Clears the notice of a refused b limit at the start of each user
    // action, but not in the handlers that action runs nested.
    class ActionScope;

    void createControls();
    void createMenus();
    void createKeys();
    void createExports();
    void describeFields();
    void connectHandlers();
    void followPalette();
    void Form_Load();
    void LimitB();
    void describeDrawing();
    void showReading(const InputTexts &texts, const RedrawOutcome &outcome);

    ParameterState m_state;
    // The drawing the panes show, which the exports and the Flow window
    // follow: the state is overwritten by every run, also by a refused one.
    std::shared_ptr<const ShownDrawing> m_shown;
    QString m_shapeText;
    bool m_shapeCrosses = false; // the profile drawn crosses itself
    std::unique_ptr<Form_About> m_about;
    std::unique_ptr<FlowWindow> m_flow;
    QString m_limitNotice;
    int m_handlerDepth = 0;

    PlotPane *Picture_circle = nullptr;
    PlotPane *Picture_airfoil = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *Label_F = nullptr;
    QLabel *Label_G = nullptr;
    QLabel *Label_b = nullptr;
    QLineEdit *Text_F = nullptr;
    QLineEdit *Text_G = nullptr;
    QLineEdit *Text_b = nullptr;
    QScrollBar *HScroll_F = nullptr;
    QScrollBar *HScroll_G = nullptr;
    QScrollBar *HScroll_b = nullptr;
    QCheckBox *Check1 = nullptr;
    QLineEdit *Text_MaxC = nullptr;
    QLabel *Label1 = nullptr;
    QScrollBar *HScroll_MaxC = nullptr;
    QLabel *Label_status = nullptr;
    QLabel *Label_notice = nullptr;
    QAction *Mn_About = nullptr;
    QAction *m_showFlow = nullptr;
    PaneExports *m_exports = nullptr;
};

} // namespace wingmap

#endif
