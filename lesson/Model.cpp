#include "lesson/Model.h"

namespace lesson {

Announcer &announcer()
{
    static Announcer a;
    return a;
}

core::Lesson &model()
{
    static core::Lesson lesson = [] {
        core::Lesson l;
        l.setObserver(&announcer());
        return l;
    }();
    return lesson;
}

} // namespace lesson
