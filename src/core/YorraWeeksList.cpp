#include "core/YorraWeeksList.h"

#include "storage/IniFile.h"

namespace {

constexpr std::array<const char*, 7> SectionNames = {
    "AlbanEiler", "Beltane", "AlbanHeruin", "Lughnasadh", "AlbanElved", "Samhain", "Imbolic"};

constexpr TLocalDateTime SevenHours = 7LL * 3'600'000;

} // namespace

std::vector<std::string> SplitEscapedLines(const std::string& value) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < value.size()) {
        std::size_t sep = value.find("\\n", start);
        if (sep == std::string::npos) {
            lines.push_back(value.substr(start));
            break;
        }
        lines.push_back(value.substr(start, sep - start));
        start = sep + 2;
    }
    return lines;
}

TYorraWeeksList::TYorraWeeksList(const std::string& weekIniFile) {
    TIniFile ini(weekIniFile);
    for (std::size_t i = 0; i < weeks_.size(); ++i) {
        weeks_[i].Name = ini.ReadString(SectionNames[i], "Name");
        weeks_[i].Effect = SplitEscapedLines(ini.ReadString(SectionNames[i], "Effect"));
        weeks_[i].Advance = SplitEscapedLines(ini.ReadString(SectionNames[i], "Advance"));
    }
}

int TYorraWeeksList::CurrentWeekday(TLocalDateTime correctedTime) {
    return IsoWeekday(correctedTime);
}

int TYorraWeeksList::AdvanceWeekday(TLocalDateTime correctedTime) {
    return IsoWeekday(correctedTime - SevenHours);
}

void TYorraWeeksList::AppendWeekLines(std::vector<TListLine>& lines,
                                      TLocalDateTime correctedTime) const {
    const int day = CurrentWeekday(correctedTime);
    lines.push_back({"○" + WeekName(day) + "○", "現在のようび"});
    for (const std::string& effect : WeekEffects(day))
        lines.push_back({"○" + effect + "○", "ようびこうか"});
    for (const std::string& advance : WeekAdvances(AdvanceWeekday(correctedTime)))
        lines.push_back({"△" + advance + "△", "アドバンスドプレイサービス"});
}
