#pragma once

#include "core/SoundDevice.h"

#include <memory>

class QSoundEffect;

// WAV playback through Qt Multimedia; one sound at a time.
class TQtSoundDevice : public ISoundDevice {
  public:
    TQtSoundDevice();
    ~TQtSoundDevice() override;
    bool Play(const std::string& wavFile) override;
    void Stop() override;

  private:
    std::unique_ptr<QSoundEffect> effect_;
};
