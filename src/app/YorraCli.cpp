#include "app/YorraCli.h"

#include "app/DueList.h"
#include "core/YorraClockIni.h"
#include "core/YorraTime.h"
#include "core/YorraWeeksList.h"
#include "schedule/RotationList.h"
#include "schedule/ScheduleTable.h"
#include "storage/AtomicFile.h"
#include "storage/IniFile.h"
#include "storage/YorraClockPathAndFile.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <thread>

namespace {

const char Usage[] = "usage: yorrapda-cli now [--at \"YYYY-MM-DD HH:MM:SS.mmm\"] [--plus N] "
                     "[--folder DIR] [--json]\n"
                     "       yorrapda-cli watch [--folder DIR]\n";

struct TCliOptions {
    std::string command;
    std::optional<TLocalDateTime> at;
    std::optional<int> plus;
    std::string folder;
    bool json = false;
};

struct TUsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::optional<TLocalDateTime> ParseLocalDateTime(const std::string& text) {
    int y, mo, d, h, mi, s, ms = 0, used = 0;
    const int n = std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%n.%3d%n", &y, &mo, &d, &h, &mi,
                              &s, &used, &ms, &used);
    if (n < 6 || static_cast<std::size_t>(used) != text.size())
        return std::nullopt;
    if (mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || s > 59 || ms < 0 || y < 1)
        return std::nullopt;
    const TLocalDateTime t = EncodeDateTime(y, mo, d, h, mi, s, ms);
    const TDateTimeParts p = DecodeDateTime(t);
    if (p.Month != mo || p.Day != d) // 31 February and the like
        return std::nullopt;
    return t;
}

TCliOptions ParseArguments(const std::vector<std::string>& args) {
    if (args.empty() || (args[0] != "now" && args[0] != "watch"))
        throw TUsageError("a command, now or watch, is needed");
    TCliOptions o;
    o.command = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw TUsageError(a + " needs a value");
            return args[++i];
        };
        if (a == "--folder") {
            o.folder = value();
        } else if (a == "--at" && o.command == "now") {
            o.at = ParseLocalDateTime(value());
            if (!o.at)
                throw TUsageError("--at takes \"YYYY-MM-DD HH:MM:SS.mmm\"");
        } else if (a == "--plus" && o.command == "now") {
            int plus = 0;
            if (!ParseInteger(value(), plus))
                throw TUsageError("--plus takes a whole number of game minutes");
            o.plus = plus;
        } else if (a == "--json" && o.command == "now") {
            o.json = true;
        } else {
            throw TUsageError("unknown argument: " + a);
        }
    }
    return o;
}

std::string FormatDateTime(TLocalDateTime t) {
    const TDateTimeParts p = DecodeDateTime(t);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", p.Year, p.Month, p.Day,
                  p.Hour, p.Minute, p.Second, p.Millisecond);
    return text;
}

std::string ColourText(const TDueLineColour& c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", c.R, c.G, c.B);
    return text;
}

// Everything the list needs, read from the program folder without writing to it.
class TCliProgramFolder {
  public:
    explicit TCliProgramFolder(const std::string& folder)
        : paths_(folder, folders_), settings_(folder + "YorraPDA.ini"),
          moonGate_(paths_.GetMoonGateFileName(), MoonGateRotation),
          price_(paths_.GetPriceFileName(), PriceRotation),
          weeks_(paths_.ProgramFolder() + "YorraPDAWeek.ini"),
          engine_(paths_.GetScheduleFileName(), moonGate_, price_, weeks_) {
        if (!FileExists(paths_.GetScheduleFileName()))
            throw std::runtime_error(paths_.GetScheduleFileName() +
                                     ": the schedule file is missing");
        engine_.RebuildViewTable(Setting("AreaName"),
                                 DefaultInterval("StartYooraHour", 1, "StartYooraMinutes"),
                                 DefaultInterval("EndYooraHour", 3, "EndYooraMinutes"));
    }

    int PlusYooraMin() const { return settings_.ReadInteger("SystemData", "PlusYooraMin", 0); }

    // The clock and the list at one instant.
    TYorraTimeInfo Refresh(TLocalDateTime now, int plus) {
        const TYorraTimeInfo t = ComputeYorraTime(now, plus);
        moonGate_.SetIndex(t.MoonGateIndex);
        price_.SetIndex(t.PriceIndex);
        engine_.RefreshDueList(t.MinuteOfDay, t.CorrectedTime);
        return t;
    }

    const TDueListEngine& Engine() const { return engine_; }
    const TYorraWeeksList& Weeks() const { return weeks_; }
    TRotationList& MoonGate() { return moonGate_; }
    TRotationList& Price() { return price_; }

  private:
    std::string Setting(const char* key) const { return settings_.ReadString("SystemData", key); }

    std::int32_t DefaultInterval(const char* hourKey, double hourDefault,
                                 const char* minutesKey) const {
        double hours = hourDefault;
        int minutes = 0;
        if (!ParseReal(Setting(hourKey), hours))
            hours = hourDefault;
        if (!ParseInteger(Setting(minutesKey), minutes))
            minutes = 0;
        return DefaultIntervalMinutes(hours, minutes);
    }

    TNoUserFolders folders_;
    TYorraClockPathAndFile paths_;
    TIniFile settings_;
    TRotationList moonGate_, price_;
    TYorraWeeksList weeks_;
    TDueListEngine engine_;
};

void PrintNow(const TYorraTimeInfo& t, TCliProgramFolder& folder, bool json, std::ostream& out) {
    const std::string& weekName =
        folder.Weeks().WeekName(TYorraWeeksList::CurrentWeekday(t.CorrectedTime));
    const std::vector<TListLine>& lines = folder.Engine().ShownLines();
    if (json) {
        nlohmann::ordered_json j;
        j["CorrectedTime"] = FormatDateTime(t.CorrectedTime);
        j["RealDays"] = t.RealDays;
        j["ElapsedYorraMinutes"] = t.ElapsedYorraMinutes;
        j["MinuteOfDay"] = t.MinuteOfDay;
        j["Hour"] = t.Hour;
        j["Minute"] = t.Minute;
        j["ClockText"] = std::string(t.ClockText());
        j["MoonGateIndex"] = t.MoonGateIndex;
        j["PriceIndex"] = t.PriceIndex;
        j["BackPictureName"] = std::string(t.BackPictureName);
        j["WeekName"] = weekName;
        j["Lines"] = nlohmann::ordered_json::array();
        for (const TListLine& line : lines)
            j["Lines"].push_back({{"text", line.Text},
                                  {"hint", line.Hint},
                                  {"colour", ColourText(DueLineColour(line.Text))}});
        out << j.dump(2) << '\n';
        return;
    }
    out << "CorrectedTime: " << FormatDateTime(t.CorrectedTime) << '\n'
        << "RealDays: " << t.RealDays << '\n'
        << "ElapsedYorraMinutes: " << t.ElapsedYorraMinutes << '\n'
        << "MinuteOfDay: " << t.MinuteOfDay << '\n'
        << "Hour: " << t.Hour << '\n'
        << "Minute: " << t.Minute << '\n'
        << "ClockText: " << t.ClockText() << '\n'
        << "MoonGateIndex: " << t.MoonGateIndex << '\n'
        << "PriceIndex: " << t.PriceIndex << '\n'
        << "BackPictureName: " << t.BackPictureName << '\n'
        << "WeekName: " << weekName << '\n';
    for (const TListLine& line : lines)
        out << line.Text << '\n';
}

void Watch(const IClock& clock, TCliProgramFolder& folder, std::ostream& out,
           const std::atomic<bool>& stop) {
    std::string shown;
    while (!stop) {
        const TLocalDateTime now = clock.Now();
        const TYorraTimeInfo t = folder.Refresh(now, folder.PlusYooraMin());
        if (t.ClockText() != shown) {
            shown = t.ClockText();
            out << t.ClockText() << ' ' << folder.MoonGate().GetCurrentEntry() << ' '
                << folder.Price().GetCurrentEntry() << ' ' << folder.Engine().DueCount()
                << std::endl;
        }
        // Sleep until the next game minute, waking often enough to notice a stop.
        const std::int64_t untilNextMinute =
            RealMsPerYorraMinute - (t.CorrectedTime - YorraBaseDate) % RealMsPerYorraMinute;
        std::this_thread::sleep_for(
            std::chrono::milliseconds(std::min<std::int64_t>(untilNextMinute, 100)));
    }
}

} // namespace

int RunYorraCli(const std::vector<std::string>& args, const IClock& clock,
                const std::string& defaultFolder, std::ostream& out, std::ostream& err,
                const std::atomic<bool>& stop) {
    TCliOptions options;
    try {
        options = ParseArguments(args);
    } catch (const TUsageError& e) {
        err << "yorrapda-cli: " << e.what() << '\n' << Usage;
        return 2;
    }
    std::string folder = options.folder.empty() ? defaultFolder : options.folder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    try {
        TCliProgramFolder program(folder);
        if (options.command == "watch") {
            Watch(clock, program, out, stop);
            return 0;
        }
        const int plus = options.plus ? *options.plus : program.PlusYooraMin();
        const TYorraTimeInfo t = program.Refresh(options.at ? *options.at : clock.Now(), plus);
        PrintNow(t, program, options.json, out);
        return 0;
    } catch (const std::exception& e) {
        err << "yorrapda-cli: " << e.what() << '\n';
        return 1;
    }
}
