// The notes window: a page on the rate constant and the graphs.
#pragma once

#include "toolkit/Toolkit.h"

class Simiosi final : public toolkit::Form
{
    Q_OBJECT
public:
    Simiosi();

    toolkit::Document OLE2{this, QStringLiteral("OLE2")};

protected:
    void resizeEvent(QResizeEvent *event) override;
};
