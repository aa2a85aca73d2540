#include "shell/KuDBGridOptions.h"

void TKuGridOptions::SetOptions(TDBGridOptions value) {
    const bool resize = value.Contains(TDBGridOption::dgColumnResize);
    if (resize != options_.Contains(TDBGridOption::dgColumnResize)) {
        optionsKu_.Set(TDBGridOptionKu::dgxColumnMove, resize);
        optionsKu_.Set(TDBGridOptionKu::dgxColumnResize, resize);
    }
    if (!value.Contains(TDBGridOption::dgMultiSelect))
        optionsKu_.Exclude(TDBGridOptionKu::dgxDragMultiSelect);
    options_ = value;
}

void TKuGridOptions::SetOptionsKu(TDBGridOptionsKu value) {
    optionsKu_ = value;
    options_.Set(TDBGridOption::dgColumnResize,
                 value.Contains(TDBGridOptionKu::dgxColumnMove) ||
                     value.Contains(TDBGridOptionKu::dgxColumnResize));
    if (value.Contains(TDBGridOptionKu::dgxDragMultiSelect))
        options_.Include(TDBGridOption::dgMultiSelect);
}

bool CanToggleKuCheckBox(const TKuCheckBoxClick& click, TDBGridOptionsKu optionsKu) {
    return click.OverDataCell && !click.DragSelecting && !click.GridReadOnly &&
           !click.ColumnReadOnly && optionsKu.Contains(TDBGridOptionKu::dgxBoolCheckBox) &&
           click.EditingWish && !click.RowSelect && click.BooleanField && click.FieldModifiable;
}
