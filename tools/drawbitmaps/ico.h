// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "byte_writer.h"
#include "mine_icon.h"

#include <vector>

namespace tw::drawing {

// An .ico file holding each image as a sixteen-colour bitmap with its transparency mask.
Bytes encode_ico(const std::vector<IconImage>& images);

}  // namespace tw::drawing
