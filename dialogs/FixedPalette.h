// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own colours, whatever the desktop's theme.
//
// The windows are drawn in the light greys of their design with black text and white entry
// fields, and many controls set only some of their colours (a blue caption, a grey panel)
// and take the rest from the application. Under a dark desktop theme that rest would be
// dark: light text on the light panels, dark check boxes and entry fields. The program
// therefore sets one fixed light palette for the whole application at its start, for every
// kind of control and for the tool tips, and keeps it when the desktop's theme changes.
//
// The toolkit's own style (Fusion, the style wherever the desktop brings none) draws a scroll
// bar's handle and its track from the same light button colour, so that a handle is hard to
// find on its track. With that style the program draws the handle in a grey that stands out
// from the track (a luminance contrast of more than 3:1), at every scale.
#pragma once

#include <QPalette>

namespace fbe {

// The light palette of the design: light grey windows and buttons, black text, white entry
// fields, grey text on disabled controls.
QPalette fixedPalette();

// Makes fixedPalette() the palette of the whole application, in place of the desktop's, and
// gives the scroll bars their visible handle. Called by the program entry before any window
// is created.
void useFixedPalette();

// The handle of a scroll bar as the program draws it under the toolkit's own style: at rest,
// under the mouse, dragged.
QColor scrollHandleColour(bool hovered, bool pressed);

}  // namespace fbe
