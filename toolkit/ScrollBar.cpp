#include "toolkit/Controls.h"
#include "toolkit/Quantity.h"
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
    fire(*this, m_change);
    if (m_quantity && !m_following)
        m_quantity->moved(*this);
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

bool startsAValue(const QString &text)
{
    const QChar c = text.isEmpty() ? QChar() : text.front();
    return c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('+') || c == QLatin1Char('.');
}

// The quantity and the value a row of labels shows, read left to right: a
// label of one or two characters is a subscript or an exponent of the text
// before it ("K" "1" reads "K1", "min" "-1" reads "min-1"); the texts before
// the first that starts with a number name the quantity, the rest give its
// value, and a text with "=" has the quantity before it and the value after;
// a step ("A ->B") always belongs to the quantity's name.
std::pair<QString, QString> quantityAndValue(const QStringList &labels)
{
    QStringList texts;
    for (const QString &text : labels) {
        if (text.size() <= 2 && !texts.isEmpty())
            texts.back() += text;
        else
            texts << text;
    }
    QStringList name, value;
    for (const QString &text : texts) {
        // A step ("B ->A") names the quantity wherever it stands, also
        // after a value ("K = 25 %" "B ->A").
        if (text.contains(QLatin1String("->")) && !startsAValue(text)) {
            name << text;
        } else if (!value.isEmpty() || startsAValue(text)) {
            value << text;
        } else if (const qsizetype equals = text.indexOf(QLatin1Char('=')); equals >= 0) {
            name << text.left(equals).trimmed();
            value << text.mid(equals + 1).trimmed();
        } else {
            name << text;
        }
    }
    name.removeAll(QString());
    value.removeAll(QString());
    return {name.join(QLatin1Char(' ')), value.join(QLatin1Char(' '))};
}

} // namespace

void ScrollBar::describe()
{
    // The labels of the bar's own row, on either side of it, read left to
    // right; without any, the nearest label above it.
    const QRect bar = m_bar->geometry();
    // A subscript or an exponent (one or two characters) may hang a little
    // below or above.
    const QRect band = bar.adjusted(0, -bar.height() / 2, 0, bar.height() / 2);
    // A vertical bar's row is its caption above it: the labels beside its
    // length belong to the rows it passes.
    const bool vertical = m_bar->orientation() == Qt::Vertical;
    std::vector<std::pair<int, QString>> row;
    const Label *above = nullptr;
    int aboveGap = 0;
    for (const Label *label : container()->findChildren<Label *>(Qt::FindDirectChildrenOnly)) {
        const QString text = label->caption().simplified();
        if (!label->visible() || text.isEmpty())
            continue;
        const QRect r = label->widget()->geometry();
        const QRect reach = text.size() <= 2 ? band : bar;
        const int shared = std::min(r.bottom(), reach.bottom()) - std::max(r.top(), reach.top());
        const bool beside = r.right() < bar.left() + 2 || r.left() > bar.right() - 2;
        if (beside && shared > 0 && !vertical)
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

void ScrollBar::setSpokenValue(std::function<double(int)> valueOf)
{
    static_cast<widgets::BarWidget *>(m_bar)->spokenValue = std::move(valueOf);
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
