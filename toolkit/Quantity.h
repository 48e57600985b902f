// A quantity that scroll bars on several windows show, such as a temperature:
// whichever bar moves, the others take its value and run their own change
// handlers, as a bar set by code does.
#pragma once

#include <functional>
#include <typeindex>
#include <vector>

namespace toolkit {

class ScrollBar;

class Quantity
{
public:
    // A bar of the quantity, reached through its window; the first touch of
    // a window creates it, as setting its bar directly would. The window's
    // type tells a member apart without touching it.
    struct Member
    {
        std::type_index window;
        std::function<ScrollBar &()> bar;
    };

    explicit Quantity(std::vector<Member> members);

    // The value of the first member, the quantity's home bar.
    int value() const;
    // Every member takes the value, from the first on.
    void set(int value);
    // The members after `from`, in turn and round to the one before it, take
    // its value; a bar that holds it already runs nothing. A change handler
    // calls this with its own bar, so that the quantity follows the bar
    // wherever it was moved.
    void spread(const ScrollBar &from);

private:
    void give(ScrollBar &bar, int value);
    std::vector<Member> m_members;
};

} // namespace toolkit
