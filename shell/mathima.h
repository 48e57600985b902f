// The lesson panel: the note or question of the lesson being played, the
// step it has reached, "Go on", "Back one step" and "Save Answers...". It
// stays over the run windows, in a corner of the work area that leaves the
// graph and the control a step points at in view.
#pragma once

#include "toolkit/Toolkit.h"

class mathima final : public toolkit::Form
{
    Q_OBJECT
public:
    mathima();

    toolkit::Label Label1{this, QStringLiteral("Label1")};
    toolkit::Document keimeno{this, QStringLiteral("keimeno")};
    toolkit::EditBox apantisi{this, QStringLiteral("apantisi")};
    toolkit::CommandButton Command1{this, QStringLiteral("Command1")};
    toolkit::CommandButton Command2{this, QStringLiteral("Command2")};
    toolkit::CommandButton Command3{this, QStringLiteral("Command3")};

    // Shown where it belongs, as the lesson stands.
    void showLesson();
    // Moves to another corner when it would hide `place` of `window`.
    void keepClearOf(const QWidget &window, const QRect &place);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // What the lesson shows now: its note, question or step, and the buttons.
    void follow();
    void layOut();
    void placeInCorner(bool right);
    // The keyboard to `focus`, once the windows shown with it are framed.
    void takeKeyboardWhenFramed(QWidget *focus, int tries);
    bool m_right = false; // in the work area's lower right corner
};
