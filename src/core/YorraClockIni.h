#pragma once

#include "core/ShortCut.h"
#include "core/SoundDevice.h"
#include "storage/IniFile.h"

#include <string>
#include <string_view>

// The program's settings, "YorraPDA.ini" in the program folder, section "SystemData". Every key
// is read once at creation; a missing or empty key takes its default and is written at once, a
// value that does not parse takes its default in memory only. Each setter writes its one key the
// moment the value changes (write-if-changed). The object also plays the interface sounds.
class TYorraClockIni {
  public:
    // programFolder ends with "/". Throws std::runtime_error when the file cannot be written.
    TYorraClockIni(std::string programFolder, ISoundDevice& sound);

    static constexpr std::string_view Section = "SystemData";

    int PlusYooraMin() const { return plusYooraMin_; }
    TShortCut WindowActiveShotCut() const { return windowActiveShotCut_; }
    int WindowLeft() const { return windowLeft_; }
    int WindowTop() const { return windowTop_; }
    bool SoundOnOff() const { return soundOnOff_; }
    const std::string& UserAlarmWavFileName() const { return userAlarmWav_; }
    const std::string& AlarmWavFileName() const { return alarmWav_; }
    const std::string& FurettaAlarmWavFileName() const { return furettaAlarmWav_; }
    const std::string& KnightAlarmWavFileName() const { return knightAlarmWav_; }
    const std::string& OpenWindowWavFileName() const { return openWindowWav_; }
    const std::string& OkWavFileName() const { return okWav_; }
    const std::string& CancelWavFileName() const { return cancelWav_; }
    const std::string& ClickWavFileName() const { return clickWav_; }
    const std::string& MetronomeAWavFileName() const { return metronomeAWav_; }
    const std::string& MetronomeBWavFileName() const { return metronomeBWav_; }
    const std::string& AreaName() const { return areaName_; }
    double StartYooraHour() const { return startYooraHour_; }
    int StartYooraMinutes() const { return startYooraMinutes_; }
    double EndYooraHour() const { return endYooraHour_; }
    int EndYooraMinutes() const { return endYooraMinutes_; }
    int WindowMode() const { return windowMode_; }

    void SetPlusYooraMin(int value);
    // Writes 0 even when the value already is 0.
    void ResetPlusYooraMin();
    void SetWindowLeft(int value);
    void SetWindowTop(int value);
    void SetWindowMode(int value);
    void SetStartYooraMinutes(int value);
    void SetEndYooraMinutes(int value);
    void SetStartYooraHour(double value);
    void SetEndYooraHour(double value);
    void SetSoundOnOff(bool value);
    void SetAreaName(const std::string& value);
    void SetAlarmWavFileName(const std::string& value);
    void SetKnightAlarmWavFileName(const std::string& value);
    void SetFurettaAlarmWavFileName(const std::string& value);
    void SetUserAlarmWavFileName(const std::string& value);
    // Writes the shortcut text when it differs from the stored one's, then re-reads the
    // combination from the stored text.
    void SetWindowActiveShotCut(TShortCut value);

    std::string DefaultArbeitAlarmFile() const;
    std::string DefaultKnightAlarmFile() const;
    std::string DefaultFurettaAlarmFile() const;
    std::string DefaultUserAlarmFile() const;
    std::string UserAlarmSoundFolder() const;

    // The sound for alarm names given one a line: user > Furetta > knight > part-time job.
    const std::string& SelectAlarmSound(std::string_view alarmNames) const;
    static bool IsKnownAlarmName(std::string_view name);

    // Plays a WAV file asynchronously, cutting off the sound playing. Nothing plays, and the
    // result is false, when sound is off or the file is missing or not a WAV file; there is
    // never a fall-back sound.
    bool PlaySoundFile(const std::string& file) const;

    const std::string& FileName() const { return ini_.FileName(); }

  private:
    int ReadInteger(std::string_view key, int defaultValue);
    double ReadReal(std::string_view key, double defaultValue);
    std::string ReadText(std::string_view key, const std::string& defaultValue);
    std::string ReadSoundFile(std::string_view key, const std::string& defaultValue);
    void Write(std::string_view key, const std::string& text);
    void SetInteger(std::string_view key, int& cached, int value);
    void SetReal(std::string_view key, double& cached, double value);
    void SetText(std::string_view key, std::string& cached, const std::string& value);

    std::string folder_;
    ISoundDevice& sound_;
    TIniFile ini_;

    int plusYooraMin_ = 0;
    TShortCut windowActiveShotCut_ = 0;
    int windowLeft_ = 32;
    int windowTop_ = 32;
    bool soundOnOff_ = true;
    std::string userAlarmWav_, alarmWav_, furettaAlarmWav_, knightAlarmWav_;
    std::string openWindowWav_, okWav_, cancelWav_, clickWav_, metronomeAWav_, metronomeBWav_;
    std::string areaName_;
    double startYooraHour_ = 1;
    int startYooraMinutes_ = 0;
    double endYooraHour_ = 3;
    int endYooraMinutes_ = 0;
    int windowMode_ = 2;
};

// Text of a real setting: the shortest decimal form with a point ("1", "1.5").
std::string FormatReal(double value);
// A whole decimal real number ("1", "-0.25", "1.5"); false when the text is not one.
bool ParseReal(std::string_view text, double& value);
