#include "core/YorraTime.h"

namespace {

std::string_view BackPictureFor(int hour) {
    if (hour <= 2)
        return "夜.bmp";
    if (hour <= 5)
        return "朝.bmp";
    if (hour <= 11)
        return "午前.bmp";
    if (hour <= 17)
        return "午後.bmp";
    if (hour <= 20)
        return "夕焼け.bmp";
    return "夜.bmp";
}

} // namespace

TYorraTimeInfo ComputeYorraTime(TLocalDateTime now, std::int32_t plusYooraMin) {
    TYorraTimeInfo info;
    info.CorrectedTime = now + static_cast<std::int64_t>(plusYooraMin) * RealMsPerYorraMinute;
    // Exact millisecond arithmetic: the base lies at midnight, so the whole days and the time
    // of day of the distance are those of the corrected calendar date.
    std::int64_t sinceBase = info.CorrectedTime - YorraBaseDate;
    if (sinceBase < 0)
        sinceBase = 0;
    info.RealDays = static_cast<std::uint16_t>(sinceBase / MsPerDay);
    const std::int64_t msOfDay = sinceBase % MsPerDay;
    info.ElapsedYorraMinutes = static_cast<int>(msOfDay / RealMsPerYorraMinute);
    info.MinuteOfDay = info.ElapsedYorraMinutes % 1440;
    info.Hour = (info.ElapsedYorraMinutes / 60) % 24;
    info.Minute = info.ElapsedYorraMinutes % 60;
    const std::int32_t dayBase = static_cast<std::int32_t>(info.RealDays) * 40;
    info.MoonGateIndex = (info.ElapsedYorraMinutes + 1080) / 1440 + dayBase;
    info.PriceIndex = info.ElapsedYorraMinutes / 1440 + dayBase;
    info.ClockTextBuffer = {
        static_cast<char>('0' + info.Hour / 10),   static_cast<char>('0' + info.Hour % 10),   ':',
        static_cast<char>('0' + info.Minute / 10), static_cast<char>('0' + info.Minute % 10), '\0'};
    info.BackPictureName = BackPictureFor(info.Hour);
    return info;
}
