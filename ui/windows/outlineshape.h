#pragma once

#include <QWidget>

namespace Woord {

// A rectangle outline, one pixel wide and not filled. It takes no mouse
// input: the window's surface lies under it. Screen readers are not told of it.
class OutlineShape final : public QWidget
{
    Q_OBJECT

public:
    OutlineShape(const QColor &colour, QWidget *parent);

    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};

} // namespace Woord
