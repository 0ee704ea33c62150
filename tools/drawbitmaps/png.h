// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "byte_writer.h"
#include "mine_icon.h"

namespace tw::drawing {

// A palette PNG: the sixteen colours plus one transparent entry, stored without compression.
Bytes encode_png(const IconImage& image);

}  // namespace tw::drawing
