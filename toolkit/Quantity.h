// A quantity that scroll bars on several windows show, such as a temperature.
// The value is held here once. A bar of the quantity moved by the student or
// by code tells the quantity, which tells every other bar once, in turn from
// the one after it, naming the bar it came from; a bar told so runs its own
// change handler (to rewrite its window's labels) and tells nobody again.
#pragma once

#include <functional>
#include <optional>
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

    // `told` hears every value the quantity takes, once its bars show it.
    explicit Quantity(std::vector<Member> members, std::function<void(int)> told = {});

    // The value: the last one a bar moved to or the quantity was set to; the
    // first member's, the quantity's home bar, until then.
    int value() const;
    // The quantity takes a value from elsewhere: every member is told it.
    void set(int value);
    // A member's bar moved on its own: the quantity takes its value and tells
    // every other member. Called by the bar after its change handler.
    void moved(const ScrollBar &bar);
    // Back to the home bar's value, for a fresh program.
    void forget() { m_value.reset(); }

private:
    void tell(std::size_t from, int value, const ScrollBar *origin);
    std::vector<Member> m_members;
    std::function<void(int)> m_told;
    std::optional<int> m_value;
};

} // namespace toolkit
