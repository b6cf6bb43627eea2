#pragma once

// Prints "bars repaint:" for each theme (menu bar, four toolbars, dock and status bars
// of a 1024-wide frame painted once) and "popup open:" (a 40-entry menu laid out,
// placed and painted).
void TimeBarsRepaintAndPopupOpen();
