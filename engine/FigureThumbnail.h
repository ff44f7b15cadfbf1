#pragma once
// A small picture of a figure, for tooltips: the square the view would show
// (the same crop of the same canvas coordinates) scaled to side x side, each
// point a dot as wide as the pen would be at that scale. It needs no canvas,
// so it can be made while the real canvas holds another figure.

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/ColourModel.h"
#include "engine/DrawInputs.h"
#include "engine/FigureRecord.h"

namespace lumora {

struct Thumbnail {
    int side = 0;
    std::vector<Colour> pixels;  // side * side, row by row
};

// The picture of what the inputs draw; side is held in 1..512.
Thumbnail figureThumbnail(const DrawInputs& in, int side);

// The picture of a record as the panes would draw it after applying it;
// nothing for a record the panes refuse (a newer category, an unknown formula).
std::optional<Thumbnail> recordThumbnail(const FigureRecord& record, int side);

}  // namespace lumora
