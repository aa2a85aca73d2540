#include "shell/MultiMonitorParam.h"

#include <algorithm>
#include <chrono>
#include <thread>

IMonitorTargetForm& TMonitorInfoParam::CheckedTargetForm() const {
    if (!targetForm_)
        throw ETargetFormIsNotFound("TargetFormが指定されていません");
    if (!targetForm_->HasWindow())
        throw ETargetFormIsNotFound("TargetFormで指定したフォームが存在されていません");
    return *targetForm_;
}

TMonitorRects TMonitorInfoParam::GetMonitorRects() const {
    IMonitorTargetForm& form = CheckedTargetForm();
    std::optional<TMonitorRects> rects = form.QueryMonitor();
    if (!rects) {
        // The window system may be busy rearranging monitors; one more try.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        rects = form.QueryMonitor();
    }
    if (!rects)
        throw std::runtime_error("APIのGetMonitorInfo関数でエラーが発生しました\r\n"
                                 "プログラミングエラーです、開発者にお問い合わせください");
    return *rects;
}

void TMultiMonitorMaxInfoCalc::SetMaxAlign(TMaxAlign value) {
    maxAlign_ = value;
    Remaximise();
}

void TMultiMonitorMaxInfoCalc::FitToWorkArea() {
    IMonitorTargetForm& form = CheckedTargetForm();
    if (form.WindowState() != TFormWindowState::wsNormal)
        return;
    const TMonitorRect work = GetMonitorRects().Work;
    const TMonitorRect bounds = form.Bounds();
    int left = std::max(bounds.left, work.left);
    int top = std::max(bounds.top, work.top);
    if (work.Width() >= bounds.Width() && left + bounds.Width() > work.right)
        left = work.right - bounds.Width();
    if (work.Height() >= bounds.Height() && top + bounds.Height() > work.bottom)
        top = work.bottom - bounds.Height();
    form.MoveTo(left, top);
}

TMonitorRect TMultiMonitorMaxInfoCalc::MaximisedRect(const TMonitorRects& rects) const {
    const TMonitorRect& work = rects.Work;
    const int ww = work.Width();
    const int wh = work.Height();
    int w = 0, h = 0, x = 0, y = 0;
    switch (maxAlign_) {
    case maTop:
    case maBottom:
        w = ww;
        h = std::min(maxSizeY_, wh);
        x = work.left;
        y = maxAlign_ == maTop ? work.top : work.bottom - h;
        break;
    case maLeft:
    case maRight:
        w = std::min(maxSizeX_, ww);
        h = wh;
        x = maxAlign_ == maLeft ? work.left : work.right - w;
        y = work.top;
        break;
    case maClient:
        w = ww;
        h = wh;
        x = work.left;
        y = work.top;
        break;
    case maCustom:
        w = std::min(maxSizeX_, ww - maxPositionX_);
        h = std::min(maxSizeY_, wh - maxPositionY_);
        x = std::max(work.left + maxPositionX_, work.left);
        y = std::max(work.top + maxPositionY_, work.top);
        break;
    case maNone: {
        // The platform's own maximised size: the monitor for forms without a caption frame,
        // else the work area, with the frame pushed outside.
        const IMonitorTargetForm& form = *TargetForm();
        const TFormBorderStyle style = form.BorderStyle();
        const bool wholeMonitor =
            style != TFormBorderStyle::bsSingle && style != TFormBorderStyle::bsSizeable;
        const TMonitorRect& base = wholeMonitor ? rects.Mon : work;
        const int fx = style == TFormBorderStyle::bsNone ? 0 : form.FrameWidth();
        const int fy = style == TFormBorderStyle::bsNone ? 0 : form.FrameHeight();
        w = base.Width() + 2 * fx;
        h = base.Height() + 2 * fy;
        x = base.left - fx;
        y = base.top - fy;
        break;
    }
    default:
        throw std::runtime_error("MaxAlignのエラーです\r\n"
                                 "プログラミングエラーです、開発者にお問い合わせください");
    }
    // Offsets beyond the work area leave nothing, rather than a negative size.
    return {x, y, x + std::max(w, 0), y + std::max(h, 0)};
}

void TMultiMonitorMaxInfoCalc::AnswerMaxInfo(TMaxSizeQuery& query) const {
    if (!TargetFormPresent())
        return;
    const TMonitorRects rects = GetMonitorRects();
    const TMonitorRect r = MaximisedRect(rects);
    query.maxWidth = r.Width();
    query.maxHeight = r.Height();
    // Reported from the monitor's top-left, as current window systems expect.
    query.maxX = r.left - rects.Mon.left;
    query.maxY = r.top - rects.Mon.top;
}

void TMultiMonitorMaxInfoCalc::Maximise() {
    IMonitorTargetForm& form = CheckedTargetForm();
    form.ShowMaximized(MaximisedRect(GetMonitorRects()));
}

void TMultiMonitorMaxInfoCalc::Remaximise() {
    if (!TargetFormPresent() || TargetForm()->WindowState() != TFormWindowState::wsMaximized)
        return;
    TargetForm()->Restore();
    Maximise();
}
