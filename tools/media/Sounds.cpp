#include "Sounds.h"

#include "storage/AtomicFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <numbers>
#include <vector>

namespace {

constexpr int SampleRate = 22050;

// Relative strengths of a tone's partials, as multiples of its frequency.
struct TPartial {
    double Ratio;
    double Strength;
};
using TTimbre = std::vector<TPartial>;

const TTimbre Soft = {{1.0, 1.0}, {2.0, 0.25}, {3.0, 0.08}};
const TTimbre Bell = {{1.0, 1.0}, {2.76, 0.35}, {5.4, 0.12}};
const TTimbre Brass = {{1.0, 1.0}, {2.0, 0.6}, {3.0, 0.4}, {4.0, 0.22}, {5.0, 0.1}};
const TTimbre Wood = {{1.0, 1.0}, {2.6, 0.4}};

struct TNote {
    double Frequency;
    double Start;    // seconds
    double Duration; // seconds
    double Loudness;
};

double Pitch(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// Mixes the notes: a quick attack (no click at the start), an exponential decay and a short
// fade at the end of each note; the mix is scaled to a comfortable peak.
std::vector<std::int16_t> Render(const std::vector<TNote>& notes, const TTimbre& timbre,
                                 double decayPerSecond) {
    double length = 0;
    for (const TNote& n : notes)
        length = std::max(length, n.Start + n.Duration);
    std::vector<double> mix(static_cast<std::size_t>(length * SampleRate) + 1, 0.0);
    const double attack = 0.004, release = 0.012;
    for (const TNote& n : notes) {
        const auto first = static_cast<std::size_t>(n.Start * SampleRate);
        const auto count = static_cast<std::size_t>(n.Duration * SampleRate);
        for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
            const double t = static_cast<double>(i) / SampleRate;
            double envelope = std::exp(-decayPerSecond * t);
            envelope *= std::min(1.0, t / attack);
            envelope *= std::min(1.0, (n.Duration - t) / release);
            double wave = 0;
            for (const TPartial& p : timbre)
                wave += p.Strength * std::sin(2 * std::numbers::pi * n.Frequency * p.Ratio * t) /
                        (1.0 + 0.3 * (p.Ratio - 1.0) * decayPerSecond * t);
            mix[first + i] += n.Loudness * envelope * wave;
        }
    }
    double peak = 1e-9;
    for (double s : mix)
        peak = std::max(peak, std::abs(s));
    std::vector<std::int16_t> samples(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i)
        samples[i] = static_cast<std::int16_t>(std::lround(mix[i] / peak * 0.6 * 32767));
    return samples;
}

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A canonical 16-bit mono PCM WAV file.
std::string WavBytes(const std::vector<std::int16_t>& samples) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    PutLittleEndian(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2); // PCM
    PutLittleEndian(out, 1, 2); // mono
    PutLittleEndian(out, SampleRate, 4);
    PutLittleEndian(out, SampleRate * 2, 4);
    PutLittleEndian(out, 2, 2);
    PutLittleEndian(out, 16, 2);
    out += "data";
    PutLittleEndian(out, dataBytes, 4);
    for (std::int16_t s : samples)
        PutLittleEndian(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

// Notes one after the other, each lasting step seconds and ringing for ring seconds.
std::vector<TNote> Phrase(const std::vector<int>& midiNotes, double step, double ring,
                          double start = 0) {
    std::vector<TNote> notes;
    for (std::size_t i = 0; i < midiNotes.size(); ++i)
        notes.push_back({Pitch(midiNotes[i]), start + step * static_cast<double>(i), ring, 1.0});
    return notes;
}

void Write(const std::string& file, const std::vector<std::int16_t>& samples) {
    WriteFileAtomic(file, WavBytes(samples));
}

} // namespace

void WriteSounds(const std::string& programFolder) {
    // Interface sounds: opening rises, OK rises higher, cancel falls, the click is a tick.
    Write(programFolder + "YorraPDAOpenWindow.wav", Render(Phrase({84, 91}, 0.06, 0.14), Soft, 18));
    Write(programFolder + "YorraPDAOk.wav", Render(Phrase({88, 96}, 0.07, 0.18), Bell, 16));
    Write(programFolder + "YorraPDACancel.wav", Render(Phrase({76, 69}, 0.09, 0.2), Soft, 14));
    Write(programFolder + "YorraPDAClick.wav", Render(Phrase({102}, 0.0, 0.03), Wood, 120));
    Write(programFolder + "YorraPDAMetronome_a.wav", Render(Phrase({93}, 0.0, 0.06), Wood, 60));
    Write(programFolder + "YorraPDAMetronome_b.wav", Render(Phrase({88}, 0.0, 0.06), Wood, 60));

    const std::string alarms = programFolder + "DefaultAlarmSound/";
    std::filesystem::create_directories(alarms);
    // Part-time job: a bright arpeggio, twice.
    std::vector<TNote> arbeit = Phrase({72, 76, 79, 84}, 0.11, 0.3);
    for (const TNote& n : Phrase({72, 76, 79, 84}, 0.11, 0.3, 0.6))
        arbeit.push_back(n);
    Write(alarms + "ArbeitAlarm.wav", Render(arbeit, Bell, 6));
    // Knights: a small fanfare.
    std::vector<TNote> knight = {{Pitch(67), 0.0, 0.12, 0.8},
                                 {Pitch(67), 0.15, 0.12, 0.8},
                                 {Pitch(72), 0.3, 0.25, 1.0},
                                 {Pitch(76), 0.55, 0.25, 1.0},
                                 {Pitch(79), 0.8, 0.6, 1.0}};
    Write(alarms + "KnightAlarm.wav", Render(knight, Brass, 3));
    // Furetta: a playful trill that ends on a high note.
    std::vector<TNote> furetta = Phrase({81, 84, 81, 84, 81, 84, 81, 84}, 0.07, 0.1);
    furetta.push_back({Pitch(88), 0.6, 0.45, 1.0});
    Write(alarms + "FurettaAlarm.wav", Render(furetta, Soft, 5));
    // The user's own: a gentle marimba tune.
    Write(alarms + "UserAlarm.wav", Render(Phrase({79, 76, 72, 76, 79, 84}, 0.16, 0.35), Wood, 9));
}
