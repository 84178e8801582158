#pragma once

#include <QColor>
#include <QDialog>
#include <QPalette>
#include <QString>

// Small helpers the windows share to lay out their controls.
namespace Woord::Controls {

// Gives a control its design name; its window's layout table gives it its
// place. The design name is for the program and its tests only: what a
// screen reader says is the control's shown text or the accessible name its
// window gives it.
template<typename T>
T *named(T *control, const QString &name, int index = -1)
{
    control->setObjectName(name);
    if (index >= 0)
        control->setProperty("index", index);
    return control;
}

// Sets one colour of a control's palette, in every state.
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);

// A dialog with a title bar and a close button only; its layout table gives
// it its fixed size. `title` is its title before it loads.
void fixedDialog(QDialog *dialog, const QString &title);

// A dialog without a cancel button: Escape closes nothing.
class DialogWithoutCancel : public QDialog
{
    Q_OBJECT

public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace Woord::Controls
