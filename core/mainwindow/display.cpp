#include "core/mainwindow/display.h"

#include <QRandomGenerator>

#include <cmath>

using namespace Qt::StringLiterals;

namespace Woord::Display {

QString counterText(qint32 currRecord, qint32 aantalBegrippen)
{
    return QString::number(currRecord) + u" van "_s + QString::number(aantalBegrippen);
}

int firstTermRow(int secondsSinceMidnight, qint32 aantalBegrippen)
{
    if (aantalBegrippen <= 0)
        return -1;
    QRandomGenerator generator(static_cast<quint32>(secondsSinceMidnight));
    const double r = generator.generateDouble(); // [0, 1)
    return std::min(static_cast<int>(std::floor(r * aantalBegrippen)), aantalBegrippen - 1);
}

std::optional<qint32> stepTo(Step step, qint32 current, qint32 count)
{
    if (count <= 0)
        return std::nullopt;
    switch (step) {
    case Step::Previous:
        return current <= 1 ? std::nullopt : std::optional<qint32>(current - 1);
    case Step::Next:
        return current >= count ? std::nullopt : std::optional<qint32>(current + 1);
    case Step::First:
        return current == 1 ? std::nullopt : std::optional<qint32>(1);
    case Step::Last:
        return current == count ? std::nullopt : std::optional<qint32>(count);
    }
    return std::nullopt;
}

} // namespace Woord::Display
