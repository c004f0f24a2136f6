#include "app/fonts.h"

// Both in this one file: their order of construction is the order of definition.
TFont NormalFont("Vocorix Font", 8, 0, 0, 0, FW_NORMAL);
TFont BoldFont("Vocorix Font", 8, 0, 0, 0, FW_BOLD);
