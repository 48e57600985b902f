// The windows of the program, created on first touch and never destroyed
// while it runs, and the end of the program.
#pragma once

#include "toolkit/Form.h"

#include <memory>
#include <typeindex>
#include <vector>

namespace toolkit {

namespace detail {
Form *findForm(std::type_index type);
void addForm(std::type_index type, std::unique_ptr<Form> form);
} // namespace detail

// The window of type T: created the first time anything of it is touched,
// its load handler run exactly once, hidden until shown.
template <typename T>
T &form()
{
    static_assert(std::is_base_of_v<Form, T>);
    if (Form *existing = detail::findForm(typeid(T)))
        return static_cast<T &>(*existing);
    auto created = std::make_unique<T>();
    T &window = *created;
    detail::addForm(typeid(T), std::move(created));
    window.load();
    return window;
}

// Windows created so far, in the order of creation.
std::vector<Form *> createdForms();
Form *createdForm(const QString &name);
// Visible windows, bottom of the stack first.
std::vector<Form *> visibleForms();
// Called by Form when it is shown or hidden, to keep the stacking order.
void formShown(Form *form, bool visible);

// Destroys every window and forgets that the program ended.
void resetForms();

// Hides every window, stops every timer, runs no further handler and leaves
// the event loop.
void endProgram();
bool ended();

} // namespace toolkit
