// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "byte_writer.h"
#include "mine_icon.h"

namespace tw::drawing {

// A palette PNG written by QImage: the sixteen colours plus one transparent entry.
Bytes encode_png(const IconImage& image);

}  // namespace tw::drawing
