// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The window as the game lays it out, at 1x, for a field of across x down cells with a mix of
// opened, covered and marked cells, both counters and a face.
QImage render_window(int across, int down, int face);

// Windows of 5, 8, 16, 30 and 37 columns, each at 1x and 3x, to check the frame for seams.
QImage frame_sheet();
