// SPDX-License-Identifier: GPL-3.0-or-later
// Room for translated texts in windows laid out in fixed pixels: a label or button whose text needs
// more than its place grows to its text, the controls after it move along, and the window grows
// with them. A text that fits changes nothing, so a layout whose texts all fit stays as drawn.
#pragma once

class QWidget;

namespace zantaro {

// Fits every label and button of the window, in nested frames too, to its text; a fixed-size window
// keeps its new size fixed and is centred again.
void fitTextsToWindow(QWidget& window);

} // namespace zantaro
