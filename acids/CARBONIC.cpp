// The carbonic acid example, first page: a picture of the two dissociation
// steps and the way on to the concentration and temperature.
#include "acids/CARBONIC.h"

#include "acids/Pictures.h"
#include "acids/carbonic2.h"
#include "kinetics/YPOTHETIKES.h"

using namespace toolkit;

CARBONIC::CARBONIC()
    : Form(QStringLiteral("CARBONIC"), 6930, 7095)
{
    setCaption(QStringLiteral("Carbonic"));
    Picture1.setTwips(1680, 0, 3600, 5640);
    Picture1.canvas().setBorder(true);
    Picture1.canvas().setPicture(acids::carbonicPicture);
    Command1.setTwips(2040, 5760, 1335, 615);
    Command1.setCaption(QStringLiteral("<Back"));
    Command2.setTwips(3600, 5760, 1575, 615);
    Command2.setCaption(QStringLiteral("Next>"));
    Command3.setTwips(5400, 5760, 1455, 615);
    Command3.setCaption(QStringLiteral("Exit"));
    for (CommandButton *b : {&Command1, &Command2, &Command3})
        b->setFont(fonts::serifGreek, 12, true);

    Command1.onClick([] { form<YPOTHETIKES>().show(); });
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
