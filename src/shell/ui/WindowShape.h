#pragma once

class QWidget;

// The shape (drawn and clickable region) of a top-level window; the size never changes.

// Shrinks the window away: ellipses of steps 1 to 20, each drawn at once and held 5 ms, then
// the empty shape. Played when a window closes, unless it closes quietly.
void ZoomOutWindow(QWidget* window);
// Grows the window out of its centre: steps 20 to 1, then the whole window.
void ZoomInWindow(QWidget* window);
// The whole window; every window sets it when shown, so that one shown again after
// ZoomOutWindow is whole.
void ResetWindowShape(QWidget* window);
// Nothing of the window is drawn, though it is shown.
void HideWindowShape(QWidget* window);
