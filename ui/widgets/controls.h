#pragma once

#include <QColor>
#include <QDialog>
#include <QPalette>
#include <QRect>
#include <QString>

class QPushButton;

// Small helpers the windows share to lay out their controls.
namespace Woord::Controls {

// Gives a control its design name and place. The design name is for the
// program and its tests only: what a screen reader says is the control's
// shown text or the accessible name its window gives it.
template<typename T>
T *named(T *control, const QString &name, const QRect &place)
{
    control->setObjectName(name);
    control->setGeometry(place);
    return control;
}

// Sets one colour of a control's palette, in every state.
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);

QPushButton *button(QWidget *parent, const QString &name, const QString &text, const QRect &place);

// A dialog of a fixed size with a title bar and a close button only.
void fixedDialog(QDialog *dialog, const QString &name, const QString &title, const QSize &size);

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
