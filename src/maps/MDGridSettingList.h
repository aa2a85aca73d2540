#pragma once

#include "maps/MDImageViewTypes.h"

#include <string>
#include <vector>

// One line grid over a picture, in picture pixels.
struct TMDGridSetting {
    std::string Name;
    int StartX = 0;
    int StartY = 0;
    int Width = 0;
    int Height = 0;
    TMDColor Color;
    // A grid with a negative start or a spacing of 0 or less draws nothing and numbers nothing.
    bool Drawable() const { return StartX >= 0 && StartY >= 0 && Width > 0 && Height > 0; }
};

// The recording surface a grid is drawn on: a vector picture of the source picture's size.
class IMDGridCanvas {
  public:
    virtual ~IMDGridCanvas() = default;
    virtual TMDSize LogicalSize() const = 0;
    // Starts a new recording, discarding the old one.
    virtual void BeginRecording() = 0;
    virtual void Line(int x1, int y1, int x2, int y2, TMDColor color) = 0;
    virtual void EndRecording() = 0;
    // Empties the picture.
    virtual void Clear() = 0;
};

// The grids of a view in insertion order, with the one selected (-1 when none).
class TMDGridSettingList {
  public:
    explicit TMDGridSettingList(IMDGridCanvas& canvas) : canvas_(canvas) {}

    int Add(const std::string& Name, int StartX, int StartY, int Width, int Height, TMDColor Color);
    // Removes every grid; the selected index stays.
    void Clear() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }
    const TMDGridSetting& Items(int Index) const { return items_.at(Index); }
    int SelectedIndex() const { return selected_; }

    // Selects and draws a grid, or, for an index outside the list, selects none and empties
    // the grid picture.
    void Select(int Index);
    // Grid column and row of a picture coordinate, counted from 1 at the first line; 0 before
    // it or without a usable grid.
    int GridIndexX(int X) const;
    int GridIndexY(int Y) const;

  private:
    const TMDGridSetting* Selected() const;

    IMDGridCanvas& canvas_;
    std::vector<TMDGridSetting> items_;
    int selected_ = -1;
};
