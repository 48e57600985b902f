#include "toolkit/Controls.h"
#include "toolkit/Widgets.h"

#include <QSignalBlocker>

#include <algorithm>

namespace toolkit {

ScrollBar::ScrollBar(Qt::Orientation orientation, Canvas *container, const QString &name)
    : Control(container, name, new widgets::BarWidget(orientation, container))
    , m_bar(static_cast<QScrollBar *>(widget()))
{
    sync();
    QObject::connect(m_bar, &QScrollBar::valueChanged, this, [this](int v) {
        if (v != m_value)
            setValue(v);
    });
}

void ScrollBar::sync()
{
    const QSignalBlocker block(m_bar);
    m_bar->setRange(std::min(m_min, m_max), std::max(m_min, m_max));
    m_bar->setInvertedAppearance(m_min > m_max);
    m_bar->setSingleStep(m_smallChange);
    m_bar->setPageStep(m_largeChange);
    m_bar->setValue(m_value);
}

void ScrollBar::setValue(int value)
{
    const int clamped = std::clamp(value, std::min(m_min, m_max), std::max(m_min, m_max));
    if (clamped == m_value) {
        sync(); // a user's move beyond the ends snaps back
        return;
    }
    m_value = clamped;
    sync();
    fire(m_change);
    // The handler rewrites the labels that the bars are read by.
    if (container()->isVisible())
        for (ScrollBar *bar : container()->findChildren<ScrollBar *>(Qt::FindDirectChildrenOnly))
            bar->describe();
}

void ScrollBar::follow(int value)
{
    const bool was = m_following;
    m_following = true;
    setValue(value);
    m_following = was;
}

namespace {

// The quantity and the value a row of labels shows: the labels before the
// first one with a digit name the quantity ("Temperature"), the rest give its
// value ("25°C"); a single label reads "Quantity = value".
std::pair<QString, QString> quantityAndValue(const QStringList &texts)
{
    QStringList name, value;
    for (const QString &text : texts) {
        const bool hasDigit = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
        (value.isEmpty() && !hasDigit ? name : value) << text;
    }
    QString quantity = name.join(QLatin1Char(' '));
    QString shown = value.join(QLatin1Char(' '));
    if (quantity.isEmpty()) {
        const qsizetype equals = shown.indexOf(QLatin1Char('='));
        if (equals > 0) {
            quantity = shown.left(equals).trimmed();
            shown = shown.mid(equals + 1).trimmed();
        } else {
            std::swap(quantity, shown);
        }
    }
    return {quantity, shown};
}

} // namespace

void ScrollBar::describe()
{
    // The labels on the bar's left whose height covers the bar's middle, read
    // left to right; without any, the nearest label above it.
    const QRect bar = m_bar->geometry();
    std::vector<std::pair<int, QString>> row;
    const Label *above = nullptr;
    int aboveGap = 0;
    for (const Label *label : container()->findChildren<Label *>(Qt::FindDirectChildrenOnly)) {
        const QString text = label->caption().simplified();
        if (!label->visible() || text.isEmpty())
            continue;
        const QRect r = label->widget()->geometry();
        if (r.right() < bar.left() + 2 && r.top() <= bar.center().y() && r.bottom() >= bar.center().y())
            row.emplace_back(r.left(), text);
        else if (r.bottom() <= bar.top() + 2 && r.left() < bar.right() && r.right() > bar.left()
                 && (!above || bar.top() - r.bottom() < aboveGap)) {
            above = label;
            aboveGap = bar.top() - r.bottom();
        }
    }
    std::sort(row.begin(), row.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QStringList texts;
    for (const auto &item : row)
        texts << item.second;
    if (texts.isEmpty() && above)
        texts << above->caption().simplified();
    auto [quantity, shown] = quantityAndValue(texts);
    if (quantity.isEmpty())
        quantity = objectName();
    m_bar->setAccessibleName(quantity);
    m_bar->setAccessibleDescription(shown.isEmpty() ? quantity : quantity + QStringLiteral(", ") + shown);
}

void ScrollBar::setMin(int min)
{
    m_min = min;
    sync();
    setValue(m_value);
}

void ScrollBar::setMax(int max)
{
    m_max = max;
    sync();
    setValue(m_value);
}

void ScrollBar::setSmallChange(int step)
{
    m_smallChange = step;
    sync();
}

void ScrollBar::setLargeChange(int step)
{
    m_largeChange = step;
    sync();
}

} // namespace toolkit
