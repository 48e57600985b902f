#include "toolkit/Quantity.h"

#include "toolkit/Controls.h"

#include <stdexcept>

namespace toolkit {

Quantity::Quantity(std::vector<Member> members, std::function<void(int)> told)
    : m_members(std::move(members))
    , m_told(std::move(told))
{
    if (m_members.empty())
        throw std::invalid_argument("a quantity needs a bar");
}

int Quantity::value() const { return m_value ? *m_value : m_members.front().bar().value(); }

void Quantity::tell(std::size_t from, int v, const ScrollBar *origin)
{
    const std::size_t n = m_members.size();
    for (std::size_t k = 0; k < n; ++k) {
        ScrollBar &bar = m_members[(from + k) % n].bar();
        if (&bar != origin)
            bar.follow(v);
    }
}

void Quantity::set(int v)
{
    m_value = v;
    tell(0, v, nullptr);
    if (m_told)
        m_told(v);
}

void Quantity::moved(const ScrollBar &bar)
{
    // Which member moved, told by its window's type: the others are touched
    // only from there on, so that windows are created in the order their
    // bars are reached.
    const std::size_t n = m_members.size();
    const Canvas &container = *bar.container();
    const std::type_index window = typeid(container);
    std::size_t origin = 0;
    while (origin < n && !(m_members[origin].window == window && &m_members[origin].bar() == &bar))
        ++origin;
    if (origin == n)
        throw std::logic_error("a bar moved a quantity it is not part of");
    m_value = bar.value();
    tell(origin + 1, *m_value, &bar);
    if (m_told)
        m_told(*m_value);
}

} // namespace toolkit
