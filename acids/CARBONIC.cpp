#include "acids/CARBONIC.h"

#include "acids/Pictures.h"
#include "acids/carbonic2.h"
#include "shell/Roads.h"

using namespace toolkit;

CARBONIC::CARBONIC()
    : Form(QStringLiteral("CARBONIC"), tr("Carbonic"), 6930, 7095)
{
    design(Picture1, {1680, 0, 3600, 5640}).canvas().setBorder(true);
    Picture1.canvas().setPicture(acids::carbonicPicture);
    Picture1.canvas().setDescription(acids::carbonicPictureText());
    offerPicture(Picture1.canvas());
    const Font bold12{fonts::serifGreek, 12, true};
    design(Command1, {2040, 5760, 1335, 615}, tr("<Back"), bold12);
    design(Command2, {3600, 5760, 1575, 615}, tr("Next>"), bold12);
    design(Command3, {5400, 5760, 1455, 615}, tr("Exit"), bold12);

    Command1.onClick([] { shell::showParameters(true); });
    Command2.onClick([] { form<carbonic2>().show(); });
    Command3.onClick([] { endProgram(); });
    Command2.setDefault(true);
    Command1.setCancel(true);
}

void CARBONIC::load()
{
    placeFullScreen(*this);
    scale(0, 250, 150, 0);
    // The picture fills the upper part of the window, the buttons stand below.
    Picture1.setLeft(25);
    Picture1.setTop(250);
    Picture1.setWidth(100);
    Picture1.setHeight(190);
    for (CommandButton *b : {&Command1, &Command2, &Command3})
        b->setTop(60);
}
