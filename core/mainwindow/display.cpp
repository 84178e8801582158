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

} // namespace Woord::Display
