#include "shell/KuDBGridColors.h"

#include <stdexcept>

namespace {

const char* const KuCellParamError = "KuCellParamがおかしい値を返しました\r\n"
                                     "プログラミングエラーです、開発者にお問い合わせください";
const char* const NoStripeColorError = "ColorとCrossesColorが設定されていない状態で\r\n"
                                       "その処理を実行しようとしたエラーです\r\n"
                                       "プログラミングエラーです、開発者にお問い合わせください";

TKuOptionalColor FirstSet(TKuOptionalColor a, TKuOptionalColor b) {
    return a ? a : b;
}

} // namespace

bool IsKuSelectedLook(const TKuCellState& cell) {
    return (cell.SelectedCell && (cell.AlwaysShowSelection || cell.Focused)) ||
           cell.MultiSelectedRow;
}

TKuCellParam KuCellParam(const TKuCellState& cell, const TStripeRowColors& stripe) {
    const bool striped = cell.TableOpen && IsKuStripeRow(cell.RecNo);
    if (IsKuSelectedLook(cell)) {
        if (!cell.TableOpen)
            return TKuCellParam::kcpDefault;
        if (striped)
            return cell.MultiSelectedRow ? TKuCellParam::kcpStripeBookMark
                                         : TKuCellParam::kcpStripeSelect;
        return cell.MultiSelectedRow ? TKuCellParam::kcpBookMark : TKuCellParam::kcpSelect;
    }
    if ((stripe.Color || stripe.CrossesColor) && striped)
        return TKuCellParam::kcpStripe;
    return TKuCellParam::kcpDefault;
}

TKuOptionalColor KuStripeColor(const TStripeRowColors& stripe, bool columnHasGridColor) {
    if (!stripe.Color && !stripe.CrossesColor)
        throw std::logic_error(NoStripeColorError);
    return columnHasGridColor ? stripe.Color : stripe.CrossesColor;
}

TKuCellLook DecideKuCellLook(const TKuCellState& cell, const TStripeRowColors& stripe,
                             const TSelectRowColors& select) {
    TKuCellLook look{IsKuSelectedLook(cell), std::nullopt};
    switch (KuCellParam(cell, stripe)) {
    case TKuCellParam::kcpDefault:
        return look;
    case TKuCellParam::kcpSelect:
        look.Fill = select.SelectColor;
        return look;
    case TKuCellParam::kcpBookMark:
        look.Fill = FirstSet(select.BookMarkColor, select.SelectColor);
        return look;
    case TKuCellParam::kcpStripeSelect:
        look.Fill = FirstSet(stripe.SelectColor, select.SelectColor);
        return look;
    case TKuCellParam::kcpStripeBookMark:
        look.Fill =
            FirstSet(FirstSet(stripe.BookMarkColor, stripe.SelectColor), select.BookMarkColor);
        return look;
    case TKuCellParam::kcpStripe:
        look.Fill = KuStripeColor(stripe, cell.ColumnHasGridColor);
        return look;
    }
    throw std::logic_error(KuCellParamError);
}
