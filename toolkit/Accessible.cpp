#include "toolkit/Accessible.h"

#include "toolkit/Form.h"
#include "toolkit/Screen.h"
#include "toolkit/Widgets.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include <algorithm>
#include <cmath>

namespace toolkit {

QRect deviceScreenRect(const QWidget &widget)
{
    return deviceOf(QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size()), widget.devicePixelRatioF());
}

namespace {

// A window of the program: read as a window, not as a filler.
class FormAccessible final : public QAccessibleWidget
{
public:
    explicit FormAccessible(QWidget *window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }
    QRect rect() const override { return widget()->isVisible() ? deviceScreenRect(*widget()) : QRect(); }
};

// A command button is a push button, also once it stays pressed in (the
// chosen acid's button): that it is pressed in is its checked state. An
// option button is a radio button and a check box a check box, as Qt has
// them.
class ButtonAccessible final : public QAccessibleWidget
{
public:
    ButtonAccessible(QAbstractButton *button, QAccessible::Role role)
        : QAccessibleWidget(button, role)
    {
    }
    QRect rect() const override { return widget()->isVisible() ? deviceScreenRect(*widget()) : QRect(); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QString(button()->text()).remove(QLatin1Char('&'));
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (button()->isCheckable()) {
            s.checkable = true;
            s.checked = button()->isChecked();
        }
        s.pressed = button()->isDown() || (role() == QAccessible::Button && s.checked);
        if (const auto *push = qobject_cast<const QPushButton *>(button()))
            s.defaultButton = push->isDefault();
        return s;
    }
    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled()) {
            names << pressAction();
            if (button()->isCheckable() && role() != QAccessible::Button)
                names << toggleAction();
        }
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if ((action == pressAction() || action == toggleAction()) && widget()->isEnabled())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton *button() const { return static_cast<QAbstractButton *>(widget()); }
};

// A scroll bar: its value is the quantity its row shows (a rate constant,
// not the half-life the bar's position stands for), when the bar knows it.
class BarAccessible final : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit BarAccessible(widgets::BarWidget *bar)
        : QAccessibleWidget(bar, QAccessible::ScrollBar)
    {
    }
    QRect rect() const override { return widget()->isVisible() ? deviceScreenRect(*widget()) : QRect(); }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QVariant currentValue() const override { return spoken(bar()->value()); }
    void setCurrentValue(const QVariant &value) override
    {
        // The bar's position whose quantity is nearest the one asked for.
        const double wanted = value.toDouble();
        int best = bar()->value();
        for (int v = bar()->minimum(); v <= bar()->maximum(); ++v)
            if (std::fabs(spoken(v) - wanted) < std::fabs(spoken(best) - wanted))
                best = v;
        bar()->setValue(best);
    }
    QVariant maximumValue() const override
    {
        return std::max(spoken(bar()->minimum()), spoken(bar()->maximum()));
    }
    QVariant minimumValue() const override
    {
        return std::min(spoken(bar()->minimum()), spoken(bar()->maximum()));
    }
    QVariant minimumStepSize() const override
    {
        if (!bar()->spokenValue)
            return bar()->singleStep();
        // The smallest change of the quantity a small change of the bar
        // makes, wherever it is.
        double smallest = 0;
        const int step = std::max(1, bar()->singleStep());
        for (int v = bar()->minimum(); v + step <= bar()->maximum(); v += step) {
            const double change = std::fabs(spoken(v + step) - spoken(v));
            if (change > 0 && (smallest == 0 || change < smallest))
                smallest = change;
        }
        return smallest;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(spoken(bar()->value()));
        return QAccessibleWidget::text(t);
    }

private:
    widgets::BarWidget *bar() const { return static_cast<widgets::BarWidget *>(widget()); }
    double spoken(int position) const { return bar()->spokenValue ? bar()->spokenValue(position) : position; }
};

QAccessibleInterface *toolkitAccessible(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (auto *form = qobject_cast<Form *>(object); form && form->isWindow())
        return new FormAccessible(form);
    if (auto *bar = dynamic_cast<widgets::BarWidget *>(widget))
        return new BarAccessible(bar);
    if (auto *button = dynamic_cast<widgets::ButtonWidget *>(widget))
        return new ButtonAccessible(button, QAccessible::Button);
    if (auto *option = dynamic_cast<widgets::RadioWidget *>(widget))
        return new ButtonAccessible(option, QAccessible::RadioButton);
    if (auto *box = dynamic_cast<widgets::CheckWidget *>(widget))
        return new ButtonAccessible(box, QAccessible::CheckBox);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(toolkitAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace toolkit
