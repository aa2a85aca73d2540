#include "maps/MDGridSettingList.h"

int TMDGridSettingList::Add(const std::string& Name, int StartX, int StartY, int Width, int Height,
                            TMDColor Color) {
    items_.push_back({Name, StartX, StartY, Width, Height, Color});
    // Callers have always been told 0, whatever the position.
    return 0;
}

void TMDGridSettingList::Select(int Index) {
    if (Index < 0 || Index >= Count()) {
        selected_ = -1;
        canvas_.Clear();
        return;
    }
    selected_ = Index;
    const TMDGridSetting& grid = items_[Index];
    const TMDSize size = canvas_.LogicalSize();
    canvas_.BeginRecording();
    if (grid.Drawable()) {
        for (long long x = grid.StartX; x < size.Width; x += grid.Width)
            canvas_.Line(static_cast<int>(x), 0, static_cast<int>(x), size.Height, grid.Color);
        for (long long y = grid.StartY; y < size.Height; y += grid.Height)
            canvas_.Line(0, static_cast<int>(y), size.Width, static_cast<int>(y), grid.Color);
    }
    canvas_.EndRecording();
}

const TMDGridSetting* TMDGridSettingList::Selected() const {
    if (selected_ < 0 || selected_ >= Count())
        return nullptr;
    const TMDGridSetting& grid = items_[selected_];
    return grid.Drawable() ? &grid : nullptr;
}

int TMDGridSettingList::GridIndexX(int X) const {
    const TMDGridSetting* grid = Selected();
    if (!grid || X < grid->StartX)
        return 0;
    return (X - grid->StartX) / grid->Width + 1;
}

int TMDGridSettingList::GridIndexY(int Y) const {
    const TMDGridSetting* grid = Selected();
    if (!grid || Y < grid->StartY)
        return 0;
    return (Y - grid->StartY) / grid->Height + 1;
}
