#include "Types.h"
