#pragma once

class QObject;
class QWidget;

// What screen readers are told about the windows. Widgets that only decorate
// (the shadow and highlight of the raised term, the box behind the
// description, shapes and rules) are marked as decorations: the widget that
// holds them leaves them out of its accessible children, and their own
// accessible interface reports them invisible and without a name, so a
// screen reader neither lists nor announces them.
namespace Woord::Accessibility {

// Marks a widget as decoration. Call it right after creating the widget,
// before anything asks for its accessible interface.
void markDecoration(QWidget *widget);
bool isDecoration(const QObject *object);

// Makes a widget leave its decorations out of its accessible children. Call
// it right after creating the widget (or first thing in its constructor).
void leaveOutDecorations(QWidget *container);

} // namespace Woord::Accessibility
