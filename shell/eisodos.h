// The title window: names the two subjects and offers Start, the lessons
// and Exit.
#pragma once

#include "toolkit/Toolkit.h"

class eisodos final : public toolkit::Form
{
    Q_OBJECT
public:
    eisodos();
    void load() override;
    // "Lessons...": the lessons that come with the program, and any file.
    void offerLessons();

    toolkit::ControlArray<toolkit::TextBox> Text1{this, QStringLiteral("Text1"), 3};
    toolkit::TextBox Text2{this, QStringLiteral("Text2")};
    toolkit::CommandButton Command1{this, QStringLiteral("Command1")};
    toolkit::CommandButton Command2{this, QStringLiteral("Command2")};
    toolkit::CommandButton Command3{this, QStringLiteral("Command3")};
    toolkit::LineControl Line1{this, QStringLiteral("Line1")};
    toolkit::LineControl Line2{this, QStringLiteral("Line2")};
    toolkit::LineControl Line3{this, QStringLiteral("Line3")};
    toolkit::LineControl Line4{this, QStringLiteral("Line4")};
};
