#include "ui/widgets/helpkey.h"

#include <QShortcut>
#include <QWidget>

namespace Woord {

void addHelpKey(QWidget *window, std::function<void()> help)
{
    const Qt::KeyboardModifiers held[] = {
        Qt::NoModifier,
        Qt::ShiftModifier,
        Qt::ControlModifier,
        Qt::AltModifier,
        Qt::ShiftModifier | Qt::ControlModifier,
        Qt::ShiftModifier | Qt::AltModifier,
        Qt::ControlModifier | Qt::AltModifier,
        Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier,
    };
    for (const Qt::KeyboardModifiers modifiers : held) {
        auto *key = new QShortcut(QKeySequence(QKeyCombination(modifiers, Qt::Key_F1)), window);
        QObject::connect(key, &QShortcut::activated, window, [help] {
            if (help)
                help();
        });
    }
}

} // namespace Woord
