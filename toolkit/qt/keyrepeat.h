// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tw {

// Asks the X server, where there is one, to send a held key's repeats as presses alone. By
// default it sends a release before each, and Qt pairs that release with the press after it only
// when both have already arrived: an unpaired one reaches the windows as the key let go and
// pressed afresh.
void repeatKeysAsPresses();

}  // namespace tw
