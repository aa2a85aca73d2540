#pragma once

#include "core/SoundDevice.h"

#include <string>
#include <vector>

// Records what the program asked to play, in order.
class FakeSoundDevice : public ISoundDevice {
  public:
    bool Play(const std::string& wavFile) override {
        played.push_back(wavFile);
        return playResult;
    }
    void Stop() override { ++stops; }

    std::vector<std::string> played;
    int stops = 0;
    bool playResult = true;
};
