// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// Every bitmap of the built-in pictures scaled 4x and labelled with its number, one row per
// hundred, followed by the window icons at their own sizes.
QImage contact_sheet();
