// The program's one lesson, and the Qt signals by which the windows learn of
// its changes.
#pragma once

#include "lesson/core/Lesson.h"

#include <QObject>

namespace lesson {

class Announcer final : public QObject, public core::Lesson::Observer
{
    Q_OBJECT
public:
    void changed() override { emit inputsChanged(); }
    void runEnded() override { emit runFinished(); }

signals:
    // An input changed, and with it maybe the plan of the next run.
    void inputsChanged();
    // The run in progress ended: on its own, or on a road that ends it.
    void runFinished();
};

core::Lesson &model();
Announcer &announcer();

} // namespace lesson
