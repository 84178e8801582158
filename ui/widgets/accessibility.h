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

// Marks a widget as decoration (best right after creating it; an accessible
// interface the toolkit made for it before is replaced).
void markDecoration(QWidget *widget);
bool isDecoration(const QObject *object);

// Makes a widget leave its decorations out of its accessible children, now
// and when decorations are marked later.
void leaveOutDecorations(QWidget *container);

} // namespace Woord::Accessibility
