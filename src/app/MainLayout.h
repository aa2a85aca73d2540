#pragma once

#include <string>

// The main window's four layouts: two free-floating windows and two bands docked across the
// width of the monitor's work area.
enum TWindowMode : int { wmTall = 0, wmDockTop = 1, wmDockBottom = 2, wmWide = 3 };

inline bool IsDocked(int mode) {
    return mode == wmDockTop || mode == wmDockBottom;
}
inline bool IsValidWindowMode(int mode) {
    return mode >= wmTall && mode <= wmWide;
}

struct TLayoutRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const TLayoutRect&) const = default;
};

// Where everything of the main window goes in one layout, in client coordinates.
struct TMainLayout {
    int clientWidth = 0;
    int clientHeight = 0;
    TLayoutRect paramPanel;   // the picture strip with the clock and buttons
    TLayoutRect kieruPanel;   // the title strip
    TLayoutRect list;         // the due-entry list (width or height 0 when hidden)
    int columns = 1;          // columns of the list
    std::string kieruCaption; // "5" (arrow head up) or "6" (down) in the symbol font, or ""
    std::string kieruHint;
};

inline constexpr int ParamPanelWidth = 257;
inline constexpr int ParamPanelHeight = 57;
inline constexpr int KieruPanelHeight = 18;
inline constexpr int KieruPanelCollapsedHeight = 8;
inline constexpr int DockedBandHeight = KieruPanelHeight + ParamPanelHeight; // 75
inline constexpr int TallWindowHeight = 200;
inline constexpr int ListColumnWidth = 250;

// The layout of a mode; bandWidth is the width of a docked band (the work area's width).
// A collapsed docked band is the title strip alone, 8 pixels high.
TMainLayout ComputeMainLayout(int mode, int bandWidth, bool collapsed = false);

// Columns of the docked list: its width div 250, at least 1.
int ListColumns(int listWidth);

// A window moved by the user sticks to the edges of the work area when it comes within
// 10 pixels of them. Returns the new top-left.
struct TSnapPoint {
    int x, y;
};
TSnapPoint SnapToEdges(int x, int y, int width, int height, int workLeft, int workTop,
                       int workRight, int workBottom, int distance = 10);
