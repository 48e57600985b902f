#include "toolkit/Quantity.h"

#include "toolkit/Controls.h"

#include <stdexcept>

namespace toolkit {

Quantity::Quantity(std::vector<Member> members)
    : m_members(std::move(members))
{
    if (m_members.empty())
        throw std::invalid_argument("a quantity needs a bar");
}

int Quantity::value() const { return m_members.front().bar().value(); }

void Quantity::give(ScrollBar &bar, int value) { bar.follow(value); }

void Quantity::set(int value)
{
    for (const Member &member : m_members)
        give(member.bar(), value);
}

void Quantity::spread(const ScrollBar &from)
{
    // Which member moved, told by its window's type: the others are touched
    // only from there on, so that windows are created in the order their
    // bars are reached.
    const std::size_t n = m_members.size();
    const Canvas &owner = *from.container();
    const std::type_index window = typeid(owner);
    std::size_t origin = 0;
    while (origin < n && !(m_members[origin].window == window && &m_members[origin].bar() == &from))
        ++origin;
    if (origin == n)
        throw std::logic_error("a bar spreads a quantity it is not part of");
    const int value = from.value();
    for (std::size_t k = 1; k < n; ++k)
        give(m_members[(origin + k) % n].bar(), value);
}

} // namespace toolkit
