#include "core/YorraClockIni.h"

#include "core/TextCase.h"
#include "storage/AtomicFile.h"

#include <charconv>
#include <fstream>

namespace {

constexpr std::string_view UserAlarm = "ユーザーアラーム";
constexpr std::string_view FurettaAlarm = "フレッタアラーム";
constexpr std::string_view KnightAlarm = "騎士アラーム";
constexpr std::string_view ArbeitAlarm = "アルバイトアラーム";

std::string_view TrimLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
        line.remove_suffix(1);
    while (!line.empty() && line.front() == ' ')
        line.remove_prefix(1);
    return line;
}

bool ListHasName(std::string_view lines, std::string_view name) {
    while (true) {
        std::size_t end = lines.find('\n');
        if (SameTextIgnoreCase(TrimLine(lines.substr(0, end)), name))
            return true;
        if (end == std::string_view::npos)
            return false;
        lines.remove_prefix(end + 1);
    }
}

// A RIFF WAVE header is the least a file must have before it is handed to the sound device.
bool LooksLikeWavFile(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    char header[12] = {};
    if (!in.read(header, sizeof header))
        return false;
    return std::string_view(header, 4) == "RIFF" && std::string_view(header + 8, 4) == "WAVE";
}

} // namespace

std::string FormatReal(double value) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, ec == std::errc() ? end : buffer);
}

bool ParseReal(std::string_view text, double& value) {
    // One optional sign, then a digit or the point.
    const bool plus = !text.empty() && text.front() == '+';
    const std::size_t first = !text.empty() && (plus || text.front() == '-') ? 1 : 0;
    if (first >= text.size() || !((text[first] >= '0' && text[first] <= '9') || text[first] == '.'))
        return false;
    if (plus)
        text.remove_prefix(1);
    auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return ec == std::errc() && end == text.data() + text.size();
}

TYorraClockIni::TYorraClockIni(std::string programFolder, ISoundDevice& sound)
    : folder_(std::move(programFolder)), sound_(sound), ini_(folder_ + "YorraPDA.ini") {
    plusYooraMin_ = ReadInteger("PlusYooraMin", 0);
    windowActiveShotCut_ = TextToShortCut(ReadText("WindowActiveShotCut", "Ctrl+Alt+D"));
    windowLeft_ = ReadInteger("WindowLeft", 32);
    windowTop_ = ReadInteger("WindowTop", 32);
    soundOnOff_ = ReadInteger("SoundOnOff", 1) != 0;
    userAlarmWav_ = ReadSoundFile("UserAlarmWavFileName", DefaultUserAlarmFile());
    alarmWav_ = ReadSoundFile("AlarmWavFileName", DefaultArbeitAlarmFile());
    furettaAlarmWav_ = ReadSoundFile("FurettaAlarmWavFileName", DefaultFurettaAlarmFile());
    knightAlarmWav_ = ReadSoundFile("KnightAlarmWavFileName", DefaultKnightAlarmFile());
    openWindowWav_ = ReadSoundFile("OpenWindowWavFileName", folder_ + "YorraPDAOpenWindow.wav");
    okWav_ = ReadSoundFile("OkWavFileName", folder_ + "YorraPDAOk.wav");
    cancelWav_ = ReadSoundFile("CancelWavFileName", folder_ + "YorraPDACancel.wav");
    clickWav_ = ReadSoundFile("ClickWavFileName", folder_ + "YorraPDAClick.wav");
    metronomeAWav_ = ReadSoundFile("MetronomeAWavFileName", folder_ + "YorraPDAMetronome_a.wav");
    metronomeBWav_ = ReadSoundFile("MetronomeBWavFileName", folder_ + "YorraPDAMetronome_b.wav");
    areaName_ = ReadText("AreaName", "");
    startYooraHour_ = ReadReal("StartYooraHour", 1);
    startYooraMinutes_ = ReadInteger("StartYooraMinutes", 0);
    endYooraHour_ = ReadReal("EndYooraHour", 3);
    endYooraMinutes_ = ReadInteger("EndYooraMinutes", 0);
    windowMode_ = ReadInteger("WindowMode", 2);
}

void TYorraClockIni::Write(std::string_view key, const std::string& text) {
    ini_.WriteString(Section, key, text);
}

std::string TYorraClockIni::ReadText(std::string_view key, const std::string& defaultValue) {
    std::string text = ini_.ReadString(Section, key);
    if (!text.empty())
        return text;
    Write(key, defaultValue);
    return defaultValue;
}

int TYorraClockIni::ReadInteger(std::string_view key, int defaultValue) {
    std::string text = ReadText(key, std::to_string(defaultValue));
    int value = defaultValue;
    return ParseInteger(text, value) ? value : defaultValue;
}

double TYorraClockIni::ReadReal(std::string_view key, double defaultValue) {
    std::string text = ReadText(key, FormatReal(defaultValue));
    double value = defaultValue;
    return ParseReal(text, value) ? value : defaultValue;
}

std::string TYorraClockIni::ReadSoundFile(std::string_view key, const std::string& defaultValue) {
    std::string file = ReadText(key, defaultValue);
    if (!FileExists(file) && file != defaultValue) {
        Write(key, defaultValue);
        file = defaultValue;
    }
    return file;
}

void TYorraClockIni::SetInteger(std::string_view key, int& cached, int value) {
    if (value == cached)
        return;
    Write(key, std::to_string(value));
    cached = value;
}

void TYorraClockIni::SetReal(std::string_view key, double& cached, double value) {
    if (value == cached)
        return;
    Write(key, FormatReal(value));
    cached = value;
}

void TYorraClockIni::SetText(std::string_view key, std::string& cached, const std::string& value) {
    if (value == cached)
        return;
    Write(key, value);
    cached = value;
}

void TYorraClockIni::SetPlusYooraMin(int value) {
    SetInteger("PlusYooraMin", plusYooraMin_, value);
}

void TYorraClockIni::ResetPlusYooraMin() {
    plusYooraMin_ = 0;
    Write("PlusYooraMin", "0");
}

void TYorraClockIni::SetWindowLeft(int value) {
    SetInteger("WindowLeft", windowLeft_, value);
}
void TYorraClockIni::SetWindowTop(int value) {
    SetInteger("WindowTop", windowTop_, value);
}
void TYorraClockIni::SetWindowMode(int value) {
    SetInteger("WindowMode", windowMode_, value);
}
void TYorraClockIni::SetStartYooraMinutes(int value) {
    SetInteger("StartYooraMinutes", startYooraMinutes_, value);
}
void TYorraClockIni::SetEndYooraMinutes(int value) {
    SetInteger("EndYooraMinutes", endYooraMinutes_, value);
}
void TYorraClockIni::SetStartYooraHour(double value) {
    SetReal("StartYooraHour", startYooraHour_, value);
}
void TYorraClockIni::SetEndYooraHour(double value) {
    SetReal("EndYooraHour", endYooraHour_, value);
}

void TYorraClockIni::SetSoundOnOff(bool value) {
    if (value == soundOnOff_)
        return;
    Write("SoundOnOff", value ? "1" : "0");
    soundOnOff_ = value;
}

void TYorraClockIni::SetAreaName(const std::string& value) {
    SetText("AreaName", areaName_, value);
}
void TYorraClockIni::SetAlarmWavFileName(const std::string& value) {
    SetText("AlarmWavFileName", alarmWav_, value);
}
void TYorraClockIni::SetKnightAlarmWavFileName(const std::string& value) {
    SetText("KnightAlarmWavFileName", knightAlarmWav_, value);
}
void TYorraClockIni::SetFurettaAlarmWavFileName(const std::string& value) {
    SetText("FurettaAlarmWavFileName", furettaAlarmWav_, value);
}
void TYorraClockIni::SetUserAlarmWavFileName(const std::string& value) {
    SetText("UserAlarmWavFileName", userAlarmWav_, value);
}

void TYorraClockIni::SetWindowActiveShotCut(TShortCut value) {
    std::string text = ShortCutToText(value);
    if (text != ShortCutToText(windowActiveShotCut_)) {
        Write("WindowActiveShotCut", text);
        windowActiveShotCut_ = TextToShortCut(text);
    }
}

std::string TYorraClockIni::DefaultArbeitAlarmFile() const {
    return folder_ + "DefaultAlarmSound/ArbeitAlarm.wav";
}
std::string TYorraClockIni::DefaultKnightAlarmFile() const {
    return folder_ + "DefaultAlarmSound/KnightAlarm.wav";
}
std::string TYorraClockIni::DefaultFurettaAlarmFile() const {
    return folder_ + "DefaultAlarmSound/FurettaAlarm.wav";
}
std::string TYorraClockIni::DefaultUserAlarmFile() const {
    return folder_ + "DefaultAlarmSound/UserAlarm.wav";
}
std::string TYorraClockIni::UserAlarmSoundFolder() const {
    return folder_ + "UserAlarmSound/";
}

const std::string& TYorraClockIni::SelectAlarmSound(std::string_view alarmNames) const {
    if (ListHasName(alarmNames, UserAlarm))
        return userAlarmWav_;
    if (ListHasName(alarmNames, FurettaAlarm))
        return furettaAlarmWav_;
    if (ListHasName(alarmNames, KnightAlarm))
        return knightAlarmWav_;
    return alarmWav_;
}

bool TYorraClockIni::IsKnownAlarmName(std::string_view name) {
    return SameTextIgnoreCase(name, UserAlarm) || SameTextIgnoreCase(name, FurettaAlarm) ||
           SameTextIgnoreCase(name, KnightAlarm) || SameTextIgnoreCase(name, ArbeitAlarm);
}

bool TYorraClockIni::PlaySoundFile(const std::string& file) const {
    if (!soundOnOff_)
        return false;
    sound_.Stop();
    if (!LooksLikeWavFile(file))
        return false;
    return sound_.Play(file);
}
