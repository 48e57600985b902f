#include "toolkit/Registry.h"

#include "toolkit/Controls.h"

#include <QCoreApplication>

#include <algorithm>

namespace toolkit {

namespace {

struct Entry
{
    std::type_index type;
    std::unique_ptr<Form> form;
};

std::vector<Entry> &entries()
{
    static std::vector<Entry> all;
    return all;
}

std::vector<Form *> &stack()
{
    static std::vector<Form *> shown;
    return shown;
}

bool g_ended = false;

} // namespace

namespace detail {

Form *findForm(std::type_index type)
{
    for (const auto &entry : entries())
        if (entry.type == type)
            return entry.form.get();
    return nullptr;
}

void addForm(std::type_index type, std::unique_ptr<Form> form)
{
    entries().push_back(Entry{type, std::move(form)});
}

} // namespace detail

std::vector<Form *> createdForms()
{
    std::vector<Form *> forms;
    for (const auto &entry : entries())
        forms.push_back(entry.form.get());
    return forms;
}

Form *createdForm(const QString &name)
{
    for (const auto &entry : entries())
        if (entry.form->objectName() == name)
            return entry.form.get();
    return nullptr;
}

std::vector<Form *> visibleForms()
{
    std::vector<Form *> shown;
    for (Form *form : stack())
        if (form->isVisible())
            shown.push_back(form);
    return shown;
}

void formShown(Form *form, bool visible)
{
    auto &shown = stack();
    shown.erase(std::remove(shown.begin(), shown.end(), form), shown.end());
    if (visible)
        shown.push_back(form);
    // A window that goes with every step stays on top of the others, as
    // the window manager keeps it.
    std::stable_partition(shown.begin(), shown.end(), [](const Form *w) { return !w->goesWithEveryStep(); });
}

namespace {

// The timers are the forms' own children; a window's end stops its timers.
void stopAllTimers()
{
    for (const auto &entry : entries())
        for (Timer *timer : entry.form->findChildren<Timer *>())
            timer->setEnabled(false);
}

} // namespace

void resetForms()
{
    stopAllTimers();
    stack().clear();
    auto &all = entries();
    while (!all.empty()) {
        auto last = std::move(all.back());
        all.pop_back();
        last.form.reset();
    }
    g_ended = false;
}

void endProgram()
{
    if (g_ended)
        return;
    g_ended = true;
    stopAllTimers();
    for (const auto &entry : entries())
        entry.form->hide();
    stack().clear();
    QCoreApplication::exit(0);
}

bool ended() { return g_ended; }

} // namespace toolkit
