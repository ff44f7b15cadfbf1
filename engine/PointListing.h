#pragma once
// The plotted points of the last Draw as CSV text, in drawing order:
// "index,x,y,colour" then one "i,x,y,#RRGGBB" row per point, LF line ends.

#include <string>

#include "engine/DrawPipeline.h"

namespace lumora {

std::string pointListing(const DrawState& state);

}  // namespace lumora
