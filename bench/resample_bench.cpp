// The resampler against Pillow (Debian python3-pil) on the same machine and sizes: the area
// average against Pillow's BOX filter, the bilinear method against its BILINEAR filter. Pillow
// is timed by a Python child process (best of several runs); each of our benchmarks reports
// Pillow's time and the ratio as counters, and the Pillow rows show its own times.
#include "maps/MDBitmapStretch.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace {

TMDBitmap Noise(int w, int h, int bpp) {
    TMDBitmap b(w, h, bpp);
    std::uint32_t s = 2463534242u;
    for (int y = 0; y < h; ++y)
        for (std::size_t i = 0; i < b.RowBytes(); ++i) {
            s ^= s << 13;
            s ^= s >> 17;
            s ^= s << 5;
            b.ScanLine(y)[i] = static_cast<std::uint8_t>(s);
        }
    return b;
}

// Milliseconds Pillow takes for one resize, or nothing when Python or Pillow is missing.
std::optional<double> PillowMilliseconds(const std::string& filter, int sw, int sh, int dw,
                                         int dh) {
    static std::map<std::string, std::optional<double>> cache;
    const std::string key = filter + std::to_string(sw) + "x" + std::to_string(sh);
    if (auto found = cache.find(key); found != cache.end())
        return found->second;
    // The system's Python, where Debian installs python3-pil.
    const char* python = std::getenv("YORRA_PILLOW_PYTHON");
    const std::string command = std::string(python ? python : "/usr/bin/python3") +
                                " -c \"import os, time\nfrom PIL import Image\n"
                                "im = Image.frombytes('RGB', (" +
                                std::to_string(sw) + ", " + std::to_string(sh) + "), os.urandom(" +
                                std::to_string(sw * sh * 3) +
                                "))\nbest = 1e9\n"
                                "for _ in range(15):\n"
                                "    t = time.perf_counter(); im.resize((" +
                                std::to_string(dw) + ", " + std::to_string(dh) +
                                "), Image.Resampling." + filter +
                                "); best = min(best, time.perf_counter() - t)\n"
                                "print(best * 1000)\" 2>/dev/null";
    std::optional<double> result;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        double ms = 0;
        if (std::fscanf(pipe, "%lf", &ms) == 1)
            result = ms;
        pclose(pipe);
    }
    cache[key] = result;
    return result;
}

void ReportAgainstPillow(benchmark::State& state, std::optional<double> pillow, double ourMs) {
    if (!pillow) {
        state.SetLabel("Pillow not found (apt-get install python3-pil)");
        return;
    }
    state.counters["pillow_ms"] = *pillow;
    state.counters["ours_ms"] = ourMs;
    state.counters["pillow_over_ours"] = *pillow / ourMs;
}

// The best time of all iterations, measured like Pillow's.
template <class F> double BestMilliseconds(benchmark::State& state, F&& resize) {
    double best = 1e300;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        resize();
        best = std::min(best, std::chrono::duration<double, std::milli>(
                                  std::chrono::steady_clock::now() - start)
                                  .count());
    }
    return best;
}

void BM_AverageResize_1500x1000_to_750x500(benchmark::State& state) {
    const TMDBitmap source = Noise(1500, 1000, 24);
    const double ms = BestMilliseconds(state, [&] {
        benchmark::DoNotOptimize(TMDBitmapStretch::AverageResize(source, 750, 500));
    });
    ReportAgainstPillow(state, PillowMilliseconds("BOX", 1500, 1000, 750, 500), ms);
}
BENCHMARK(BM_AverageResize_1500x1000_to_750x500)->Unit(benchmark::kMillisecond);

void BM_BilinearResize_4000x3000_to_1000x750(benchmark::State& state) {
    const TMDBitmap source = Noise(4000, 3000, 32);
    TMDBitmap target(1000, 750, 32);
    const double ms = BestMilliseconds(state, [&] {
        TMDBitmapStretch::BilinearResize(source, target);
        benchmark::DoNotOptimize(target.Bits());
    });
    ReportAgainstPillow(state, PillowMilliseconds("BILINEAR", 4000, 3000, 1000, 750), ms);
}
BENCHMARK(BM_BilinearResize_4000x3000_to_1000x750)->Unit(benchmark::kMillisecond);

// The whole path the image view takes for a large picture: 24-bit in, conversion, bilinear.
void BM_StretchBitmap_4000x3000_to_1000x750(benchmark::State& state) {
    const TMDBitmap source = Noise(4000, 3000, 24);
    TMDBitmapStretch stretch;
    TMDBitmap target;
    for (auto _ : state) {
        stretch.StretchBitmap(1000, 750, 4000, 3000, source, target);
        benchmark::DoNotOptimize(target.Bits());
    }
}
BENCHMARK(BM_StretchBitmap_4000x3000_to_1000x750)->Unit(benchmark::kMillisecond);

} // namespace
