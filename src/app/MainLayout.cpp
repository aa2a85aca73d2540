#include "app/MainLayout.h"

#include <algorithm>
#include <cstdlib>

int ListColumns(int listWidth) {
    return std::max(1, listWidth / ListColumnWidth);
}

TMainLayout ComputeMainLayout(int mode, int bandWidth, bool collapsed) {
    TMainLayout l;
    switch (mode) {
    case wmDockTop:
    case wmDockBottom: {
        const bool top = mode == wmDockTop;
        l.clientWidth = bandWidth;
        l.kieruCaption = top ? "5" : "6";
        l.kieruHint = "こそこそ隠れる";
        if (collapsed) {
            l.clientHeight = KieruPanelCollapsedHeight;
            l.kieruPanel = {0, 0, bandWidth, KieruPanelCollapsedHeight};
            return l;
        }
        l.clientHeight = DockedBandHeight;
        // The title strip lies on the side of the screen edge.
        const int stripY = top ? 0 : ParamPanelHeight;
        const int bodyY = top ? KieruPanelHeight : 0;
        l.kieruPanel = {0, stripY, bandWidth, KieruPanelHeight};
        const int listWidth = std::max(0, bandWidth - ParamPanelWidth);
        l.paramPanel = {top ? 0 : listWidth, bodyY, ParamPanelWidth, ParamPanelHeight};
        l.list = {top ? ParamPanelWidth : 0, bodyY, listWidth, ParamPanelHeight};
        l.columns = ListColumns(listWidth);
        return l;
    }
    case wmWide:
        l.clientWidth = 2 * ParamPanelWidth;
        l.clientHeight = DockedBandHeight;
        l.kieruPanel = {0, 0, l.clientWidth, KieruPanelHeight};
        l.paramPanel = {0, KieruPanelHeight, ParamPanelWidth, ParamPanelHeight};
        l.list = {ParamPanelWidth, KieruPanelHeight, ParamPanelWidth, ParamPanelHeight};
        l.kieruHint = "どっか行きたい";
        return l;
    case wmTall:
    default:
        l.clientWidth = ParamPanelWidth;
        l.clientHeight = TallWindowHeight;
        l.kieruPanel = {0, 0, ParamPanelWidth, KieruPanelHeight};
        l.paramPanel = {0, KieruPanelHeight, ParamPanelWidth, ParamPanelHeight};
        l.list = {0, KieruPanelHeight + ParamPanelHeight, ParamPanelWidth,
                  TallWindowHeight - KieruPanelHeight - ParamPanelHeight};
        l.kieruHint = "どっか行きたい";
        return l;
    }
}

TSnapPoint SnapToEdges(int x, int y, int width, int height, int workLeft, int workTop,
                       int workRight, int workBottom, int distance) {
    auto snap = [distance](int pos, int size, int low, int high) {
        if (std::abs(pos - low) <= distance)
            return low;
        if (std::abs(pos + size - high) <= distance)
            return high - size;
        return pos;
    };
    return {snap(x, width, workLeft, workRight), snap(y, height, workTop, workBottom)};
}
