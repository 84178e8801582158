#include "ui/widgets/accessibility.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QWidget>

namespace Woord::Accessibility {

namespace {

const char decorationProperty[] = "woordDecoration";
const char containerProperty[] = "woordLeavesOutDecorations";

// A decoration: no name, no description, never visible, never focused.
class DecorationInterface final : public QAccessibleWidget
{
public:
    explicit DecorationInterface(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Client)
    {
    }

    QString text(QAccessible::Text) const override { return {}; }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        state.focusable = false;
        return state;
    }

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
};

// A widget with decorations among its children: it shows the toolkit's own
// list of accessible children without them.
class ContainerInterface final : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return static_cast<int>(shownChildren().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QAccessibleInterface *> children = shownChildren();
        return index >= 0 && index < children.size() ? children.at(index) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return static_cast<int>(shownChildren().indexOf(const_cast<QAccessibleInterface *>(child)));
    }

private:
    QList<QAccessibleInterface *> shownChildren() const
    {
        QList<QAccessibleInterface *> children;
        const int count = QAccessibleWidget::childCount();
        for (int i = 0; i < count; ++i) {
            QAccessibleInterface *child = QAccessibleWidget::child(i);
            if (child && !isDecoration(child->object()))
                children.append(child);
        }
        return children;
    }
};

QAccessibleInterface *interfaceFor(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (isDecoration(widget))
        return new DecorationInterface(widget);
    if (widget->property(containerProperty).toBool())
        // The roles the toolkit gives a dialog and a plain widget.
        return new ContainerInterface(widget,
                                      qobject_cast<QDialog *>(widget) ? QAccessible::Dialog : QAccessible::Client);
    return nullptr;
}

void installOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}

// While a screen reader runs, setting a widget up (giving a label its text,
// say) already makes the toolkit's interface for it. That one is dropped, so
// the next question about the widget finds the interface it is marked for.
template<typename Interface>
void replaceEarlierInterface(QWidget *widget)
{
    QAccessibleInterface *existing = QAccessible::queryAccessibleInterface(widget);
    if (existing && !dynamic_cast<Interface *>(existing))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(existing));
}

} // namespace

void markDecoration(QWidget *widget)
{
    installOnce();
    widget->setProperty(decorationProperty, true);
    replaceEarlierInterface<DecorationInterface>(widget);
}

bool isDecoration(const QObject *object)
{
    return object && object->property(decorationProperty).toBool();
}

void leaveOutDecorations(QWidget *container)
{
    installOnce();
    container->setProperty(containerProperty, true);
    replaceEarlierInterface<ContainerInterface>(container);
}

} // namespace Woord::Accessibility
