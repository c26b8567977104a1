// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a screen reader runs on the desktop: the accessibility bus's own flag, which Orca and
// the desktop's settings set. Other assistive clients (a magnifier, a test) do not count.
#pragma once

namespace zantaro {

bool screenReaderRunning();

} // namespace zantaro
