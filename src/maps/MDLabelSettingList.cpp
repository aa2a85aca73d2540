#include "maps/MDLabelSettingList.h"

#include "maps/MDImageViewMath.h"

int TMDLabelSettingList::Add(int X, int Y, const std::string& Caption, const TMDFont& Font) {
    items_.push_back({Caption, Font, X, Y});
    return Count() - 1;
}

void TMDLabelSettingList::Draw() {
    constexpr TMDColor white{255, 255, 255};
    canvas_.BeginRecording();
    for (const TMDLabelSetting& label : items_) {
        canvas_.SelectFont(label.Font);
        const TMDSize text = canvas_.TextExtent(label.Caption);
        const TMDPoint topLeft = LabelTopLeft(label.X, label.Y, text.Width, text.Height);
        for (const TMDPoint& p : LabelHaloPositions(topLeft))
            canvas_.TextOut(p.X, p.Y, label.Caption, white);
        canvas_.TextOut(topLeft.X, topLeft.Y, label.Caption, label.Font.Color);
        canvas_.SelectFont(defaultFont_);
    }
    canvas_.EndRecording();
}
