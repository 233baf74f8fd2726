#include "Types.h"

TColourMode ColourMode = cmHighColour;
