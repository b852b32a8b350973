#include "display_check.h"

// A Windows program always has its desktop.
std::string checkDisplay()
{
    return {};
}
