#pragma once

#include <cstdint>
#include <initializer_list>

// Options of the data grid: the platform grid's set, the grid's own set, how the two are
// coupled, and the rules that decide in-place editing and check-box clicks.

enum class TDBGridOption {
    dgEditing,
    dgAlwaysShowEditor,
    dgTitles,
    dgIndicator,
    dgColumnResize,
    dgColLines,
    dgRowLines,
    dgTabs,
    dgRowSelect,
    dgAlwaysShowSelection,
    dgConfirmDelete,
    dgCancelOnExit,
    dgMultiSelect
};

enum class TDBGridOptionKu {
    dgxBoolCheckBox,
    dgxColumnMove,
    dgxColumnResize,
    dgxNotCtrlDelKey,
    dgxDragMultiSelect,
    dgxKeyNoCancelMultiSelect,
    dgxIndicatorMultiSelect,
    dgxEditMultiSelect
};

// A set of the values of a small enumeration.
template <class E> class TKuSet {
  public:
    constexpr TKuSet() = default;
    constexpr TKuSet(std::initializer_list<E> values) {
        for (E value : values)
            Include(value);
    }
    constexpr bool Contains(E value) const { return (bits_ & Bit(value)) != 0; }
    constexpr TKuSet& Include(E value) {
        bits_ |= Bit(value);
        return *this;
    }
    constexpr TKuSet& Exclude(E value) {
        bits_ &= ~Bit(value);
        return *this;
    }
    constexpr TKuSet& Set(E value, bool on) { return on ? Include(value) : Exclude(value); }
    friend constexpr bool operator==(TKuSet, TKuSet) = default;

  private:
    static constexpr std::uint32_t Bit(E value) { return 1u << static_cast<unsigned>(value); }
    std::uint32_t bits_ = 0;
};

using TDBGridOptions = TKuSet<TDBGridOption>;
using TDBGridOptionsKu = TKuSet<TDBGridOptionKu>;

// The platform grid's defaults.
constexpr TDBGridOptions DefaultDBGridOptions{
    TDBGridOption::dgEditing,      TDBGridOption::dgTitles,        TDBGridOption::dgIndicator,
    TDBGridOption::dgColumnResize, TDBGridOption::dgColLines,      TDBGridOption::dgRowLines,
    TDBGridOption::dgTabs,         TDBGridOption::dgConfirmDelete, TDBGridOption::dgCancelOnExit};
constexpr TDBGridOptionsKu DefaultDBGridOptionsKu{TDBGridOptionKu::dgxColumnMove,
                                                  TDBGridOptionKu::dgxColumnResize};

// The two option sets kept consistent with each other. Options() reads back dgEditing as last
// requested, whatever the grid does with it for the field at hand.
class TKuGridOptions {
  public:
    TDBGridOptions Options() const { return options_; }
    TDBGridOptionsKu OptionsKu() const { return optionsKu_; }
    // Column resize switched on adds column moving and sizing to OptionsKu, switched off
    // removes both; multi-select switched off removes drag selection.
    void SetOptions(TDBGridOptions value);
    // Column moving or sizing switches the platform's column resize on, neither switches it
    // off; drag selection switches multi-select on.
    void SetOptionsKu(TDBGridOptionsKu value);

    bool EditingWish() const { return options_.Contains(TDBGridOption::dgEditing); }
    // Real in-place editing: the wish, except on a check-box cell or during a drag selection,
    // where a click toggles or selects instead.
    bool RealEditing(bool selectedFieldIsCheckBox, bool dragSelecting) const {
        return EditingWish() && !selectedFieldIsCheckBox && !dragSelecting;
    }

  private:
    TDBGridOptions options_ = DefaultDBGridOptions;
    TDBGridOptionsKu optionsKu_ = DefaultDBGridOptionsKu;
};

// A cell is drawn as a check box when its field is boolean, default drawing is on and the grid
// has dgxBoolCheckBox.
inline bool IsKuCheckBoxCell(bool booleanField, bool defaultDrawing, TDBGridOptionsKu optionsKu) {
    return booleanField && defaultDrawing && optionsKu.Contains(TDBGridOptionKu::dgxBoolCheckBox);
}

// What decides whether releasing the mouse on a cell toggles its check box.
struct TKuCheckBoxClick {
    bool OverDataCell = true;
    bool DragSelecting = false;
    bool GridReadOnly = false;
    bool ColumnReadOnly = false;
    bool EditingWish = true;
    bool RowSelect = false;
    bool BooleanField = true;
    bool FieldModifiable = true; // the field itself can be written
};

bool CanToggleKuCheckBox(const TKuCheckBoxClick& click, TDBGridOptionsKu optionsKu);
