#pragma once

#include "mask_file_stream.h"

#include <cstdint>
#include <ostream>

// Reads a binary greyscale image (magic P5, maxval 255) leniently: each
// failed check writes one "ppm format error" line to errors and the reading
// goes on. width and height get the header's sizes (0 where it gives none);
// pixels gets a new buffer of width * height bytes holding the pixel section,
// zero where the file ran short, or null where no buffer can hold the sizes.
void readMask(MaskFileStream& in, std::int32_t& width, std::int32_t& height, std::uint8_t*& pixels,
              std::ostream& errors);
