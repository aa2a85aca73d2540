#pragma once

#include <cstdint>
#include <optional>

// The colour rules of the data grid's cells: stripes on every second row of the view, and
// optional colours for the selected cell and multi-selected rows.

struct TKuColor {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const TKuColor&, const TKuColor&) = default;
};

// A colour or none.
using TKuOptionalColor = std::optional<TKuColor>;

// Color stripes columns on the grid's own background, CrossesColor columns with a background
// of their own; SelectColor and BookMarkColor colour the selected cell and multi-selected rows
// on striped rows.
struct TStripeRowColors {
    TKuOptionalColor Color;
    TKuOptionalColor CrossesColor;
    TKuOptionalColor SelectColor;
    TKuOptionalColor BookMarkColor;
    friend bool operator==(const TStripeRowColors&, const TStripeRowColors&) = default;
};

// The selected cell and multi-selected rows on rows without a stripe, and the fall-backs on
// striped rows.
struct TSelectRowColors {
    TKuOptionalColor SelectColor;
    TKuOptionalColor BookMarkColor;
    friend bool operator==(const TSelectRowColors&, const TSelectRowColors&) = default;
};

// What the grid knows of a data cell when it chooses its colour.
struct TKuCellState {
    bool SelectedCell = false;
    bool AlwaysShowSelection = false;
    bool Focused = false;
    bool MultiSelectedRow = false;
    bool TableOpen = true;
    int RecNo = 1;                  // position of the row in the view, from 1
    bool ColumnHasGridColor = true; // the column's background equals the grid's
};

// Which colour rule a cell follows.
enum class TKuCellParam {
    kcpDefault,
    kcpSelect,
    kcpBookMark,
    kcpStripeSelect,
    kcpStripeBookMark,
    kcpStripe
};

// The decision for a cell: SelectedLook tells whether the cell shows as selected; Fill is the
// colour to paint it with, none for the platform's look (the selection highlight, or the
// column's own background).
struct TKuCellLook {
    bool SelectedLook = false;
    TKuOptionalColor Fill;
    friend bool operator==(const TKuCellLook&, const TKuCellLook&) = default;
};

// Rows with an even number in the view are striped; the first row never is.
inline bool IsKuStripeRow(int recNo) {
    return recNo % 2 == 0;
}

bool IsKuSelectedLook(const TKuCellState& cell);
TKuCellParam KuCellParam(const TKuCellState& cell, const TStripeRowColors& stripe);
// The stripe colour of a column: Color on the grid's background, CrossesColor elsewhere.
// Throws when neither is set, as the grid only stripes when one is.
TKuOptionalColor KuStripeColor(const TStripeRowColors& stripe, bool columnHasGridColor);
// Throws std::logic_error for a rule outside TKuCellParam.
TKuCellLook DecideKuCellLook(const TKuCellState& cell, const TStripeRowColors& stripe,
                             const TSelectRowColors& select);
