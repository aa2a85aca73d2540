#include "maps/MDGridSettingList.h"
#include "maps/MDLabelSettingList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records what was drawn, one line of text per call.
class TRecordingCanvas : public IMDGridCanvas, public IMDLabelCanvas {
  public:
    TMDSize LogicalSize() const override { return size; }
    void BeginRecording() override { calls = {"begin"}; }
    void Line(int x1, int y1, int x2, int y2, TMDColor c) override {
        calls.push_back("line " + std::to_string(x1) + "," + std::to_string(y1) + "-" +
                        std::to_string(x2) + "," + std::to_string(y2) + " " + std::to_string(c.R));
    }
    void EndRecording() override { calls.push_back("end"); }
    void Clear() override { calls = {"clear"}; }
    void SelectFont(const TMDFont& font) override { calls.push_back("font " + font.Name); }
    TMDSize TextExtent(const std::string& text) override {
        return {static_cast<int>(text.size()) * 5, 12};
    }
    void TextOut(int x, int y, const std::string& text, TMDColor c) override {
        calls.push_back(text + " " + std::to_string(x) + "," + std::to_string(y) + " " +
                        std::to_string(c.R) + "/" + std::to_string(c.G) + "/" +
                        std::to_string(c.B));
    }

    TMDSize size{120, 70};
    std::vector<std::string> calls;
};

} // namespace

TEST(MDImageViewGrid, IndicesCountFromOneAtTheFirstLine) {
    TRecordingCanvas canvas;
    TMDGridSettingList grids(canvas);
    EXPECT_EQ(grids.GridIndexX(500), 0); // nothing selected
    EXPECT_EQ(grids.Add("通常", 10, 20, 50, 30, {255, 0, 0}), 0);
    EXPECT_EQ(grids.Add("other", 0, 0, 0, 30, {0, 0, 255}), 0);
    grids.Select(0);
    for (auto [x, expected] : std::vector<std::pair<int, int>>{{9, 0}, {10, 1}, {59, 1}, {60, 2}})
        EXPECT_EQ(grids.GridIndexX(x), expected) << x;
    EXPECT_EQ(grids.GridIndexY(19), 0);
    EXPECT_EQ(grids.GridIndexY(50), 2);
    // A spacing of 0 numbers nothing.
    grids.Select(1);
    EXPECT_EQ(grids.GridIndexX(60), 0);
    EXPECT_EQ(grids.GridIndexY(60), 0);
}

TEST(MDImageViewGrid, SelectDrawsLinesAcrossThePicture) {
    TRecordingCanvas canvas;
    TMDGridSettingList grids(canvas);
    grids.Add("a", 10, 20, 50, 30, {255, 0, 0});
    grids.Add("no width", 10, 20, 0, 30, {255, 0, 0});
    grids.Add("negative start", -1, 20, 50, 30, {255, 0, 0});
    grids.Select(0);
    EXPECT_EQ(canvas.calls,
              (std::vector<std::string>{"begin", "line 10,0-10,70 255", "line 60,0-60,70 255",
                                        "line 110,0-110,70 255", "line 0,20-120,20 255",
                                        "line 0,50-120,50 255", "end"}));
    EXPECT_EQ(grids.SelectedIndex(), 0);
    for (int unusable : {1, 2}) {
        grids.Select(unusable);
        EXPECT_EQ(canvas.calls, (std::vector<std::string>{"begin", "end"}));
        EXPECT_EQ(grids.SelectedIndex(), unusable);
    }
}

TEST(MDImageViewGrid, SelectingOutsideTheListEmptiesThePicture) {
    TRecordingCanvas canvas;
    TMDGridSettingList grids(canvas);
    grids.Add("a", 10, 20, 50, 30, {255, 0, 0});
    for (int index : {-1, 1}) {
        grids.Select(0);
        grids.Select(index);
        EXPECT_EQ(canvas.calls, (std::vector<std::string>{"clear"}));
        EXPECT_EQ(grids.SelectedIndex(), -1);
        EXPECT_EQ(grids.GridIndexX(60), 0);
    }
    // Clear keeps the selected index; an index past the list then numbers nothing.
    grids.Select(0);
    grids.Clear();
    EXPECT_EQ(grids.SelectedIndex(), 0);
    EXPECT_EQ(grids.GridIndexX(60), 0);
}

TEST(MDImageViewLabelList, DrawsHaloThenTextAndReturnsToTheDefaultFont) {
    TRecordingCanvas canvas;
    TMDLabelSettingList labels(canvas);
    labels.SetDefaultFont({"default", 9, {}, 0});
    TMDFont blue{"big", 12, {0, 0, 255}, fsBold};
    EXPECT_EQ(labels.Add(100, 50, "abcd", blue), 0);
    blue.Color = {255, 0, 0}; // the list keeps its own copy
    EXPECT_EQ(labels.Items(0).Font.Color, (TMDColor{0, 0, 255}));
    labels.Draw();
    // "abcd" is 20 x 12 in the recording canvas: top-left (90, 44).
    EXPECT_EQ(canvas.calls,
              (std::vector<std::string>{
                  "begin", "font big", "abcd 89,43 255/255/255", "abcd 90,43 255/255/255",
                  "abcd 91,43 255/255/255", "abcd 89,44 255/255/255", "abcd 91,44 255/255/255",
                  "abcd 89,45 255/255/255", "abcd 90,45 255/255/255", "abcd 91,45 255/255/255",
                  "abcd 90,44 0/0/255", "font default", "end"}));
    labels.Clear();
    labels.Draw();
    EXPECT_EQ(canvas.calls, (std::vector<std::string>{"begin", "end"}));
}
