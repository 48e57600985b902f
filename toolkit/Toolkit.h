// Everything a window needs from the form layer.
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/Colours.h"
#include "toolkit/Controls.h"
#include "toolkit/Design.h"
#include "toolkit/Files.h"
#include "toolkit/Fonts.h"
#include "toolkit/Form.h"
#include "toolkit/Offer.h"
#include "toolkit/Quantity.h"
#include "toolkit/Registry.h"
#include "toolkit/Screen.h"
#include "toolkit/Text.h"
#include "toolkit/core/Numeric.h"
#include "toolkit/core/Random.h"
