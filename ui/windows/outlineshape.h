#pragma once

#include <QColor>
#include <QWidget>

namespace Woord {

// A rectangle outline, one pixel wide and not filled, in its colour. It takes
// no mouse input: the window's surface lies under it. Screen readers are not
// told of it.
class OutlineShape final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor colour READ colour WRITE setColour)

public:
    explicit OutlineShape(QWidget *parent);

    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};

} // namespace Woord
