#pragma once

#include <string>

// The platform's sound output: plays one WAV file at a time, asynchronously.
class ISoundDevice {
  public:
    virtual ~ISoundDevice() = default;
    // Starts the file and returns at once; false when playback could not start.
    virtual bool Play(const std::string& wavFile) = 0;
    // Stops the sound now playing, if any.
    virtual void Stop() = 0;
};
