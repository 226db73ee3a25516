// canzet-testset OUTDIR: renders the notes the pitch detector is measured on, with
// FluidSynth from Debian's TimGM6mb General MIDI soundfont, as 48 kHz 16-bit mono WAV files.
// Each instrument plays every semitone of its usual part of E2-C6, 0.6 s on and 0.4 s off
// after a second of lead-in, three times: clean, over pink noise 20 dB below the notes and
// over 50 Hz mains hum as loud; a sung-like tone with 5.5 Hz vibrato of +-30 cents joins
// them. Beside each NAME.wav, NAME.notes lists "KEY ONSET_MS", one note a line.
#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 48000;
// When the notes of a take sound, in ms.
constexpr struct { int leadIn, note, gap, tail; } kTimeMs{1000, 600, 400, 1000};
// The same recordings whichever soundfont is the default: accuracy is measured on a fixed set.
constexpr const char* kSoundfont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

struct Instrument {
    const char* name;
    int program;  // General MIDI, from 0
    int low;
    int high;
};

constexpr Instrument kInstruments[] = {
    {"piano", 0, 40, 84},  {"nylon", 24, 40, 76}, {"steel", 25, 40, 76},    {"violin", 40, 55, 84},
    {"cello", 42, 40, 69}, {"flute", 73, 60, 84}, {"clarinet", 71, 50, 82}, {"trumpet", 56, 54, 82},
    {"choir", 52, 48, 79}, {"oohs", 53, 48, 79},
};

struct Take {
    std::vector<float> samples;
    std::vector<int> keys;
};

int Samples(int ms) {
    return kRate / 1000 * ms;
}

int OnsetMs(std::size_t index) {
    return kTimeMs.leadIn + static_cast<int>(index) * (kTimeMs.note + kTimeMs.gap);
}

std::vector<int> KeysOf(int low, int high) {
    std::vector<int> keys;
    for (int key = low; key <= high; ++key) {
        keys.push_back(key);
    }
    return keys;
}

bool Render(fluid_synth_t* synth, const Instrument& instrument, Take& take) {
    fluid_synth_program_change(synth, 0, instrument.program);
    take.keys = KeysOf(instrument.low, instrument.high);
    const int total = Samples(OnsetMs(take.keys.size()) + kTimeMs.tail);
    std::vector<float> left(total), right(total);
    int done = 0;
    const auto renderTo = [&](int end) {
        fluid_synth_write_float(synth, end - done, left.data(), done, 1, right.data(), done, 1);
        done = end;
    };
    for (std::size_t i = 0; i < take.keys.size(); ++i) {
        renderTo(Samples(OnsetMs(i)));
        fluid_synth_noteon(synth, 0, take.keys[i], 100);
        renderTo(Samples(OnsetMs(i) + kTimeMs.note));
        fluid_synth_noteoff(synth, 0, take.keys[i]);
    }
    renderTo(total);
    take.samples.resize(total);
    for (int i = 0; i < total; ++i) {
        take.samples[i] = 0.5f * (left[i] + right[i]);
    }
    return true;
}

// A voice-like tone: harmonics falling off, 5.5 Hz vibrato of +-30 cents, soft ends.
Take SungTone() {
    Take take;
    take.keys = KeysOf(48, 79);
    take.samples.assign(Samples(OnsetMs(take.keys.size()) + kTimeMs.tail), 0.0f);
    for (std::size_t i = 0; i < take.keys.size(); ++i) {
        const double f0 = 440.0 * std::pow(2.0, (take.keys[i] - 69) / 12.0);
        const int start = Samples(OnsetMs(i));
        const int length = Samples(kTimeMs.note);
        double phase = 0;
        for (int n = 0; n < length; ++n) {
            const double t = static_cast<double>(n) / kRate;
            const double cents = 30.0 * std::sin(2 * std::numbers::pi * 5.5 * t);
            phase += 2 * std::numbers::pi * f0 * std::pow(2.0, cents / 1200.0) / kRate;
            const double envelope = std::min({1.0, t / 0.04, (kTimeMs.note / 1000.0 - t) / 0.06});
            double value = 0;
            for (int h = 1; h <= 8 && h * f0 < kRate / 2.5; ++h) {
                value += std::sin(h * phase) / std::pow(h, 1.5);
            }
            take.samples[start + n] = static_cast<float>(0.2 * envelope * value);
        }
    }
    return take;
}

double NotesRms(const Take& take) {
    double sum = 0;
    long long count = 0;
    for (std::size_t i = 0; i < take.keys.size(); ++i) {
        for (int n = Samples(OnsetMs(i)); n < Samples(OnsetMs(i) + kTimeMs.note); ++n) {
            sum += double(take.samples[n]) * take.samples[n];
            ++count;
        }
    }
    return std::sqrt(sum / static_cast<double>(count));
}

// Pink noise (Kellett's three-pole filter on white noise), or 50 Hz hum with the second
// and third harmonics, scaled to `rms` and added throughout.
void AddBackground(Take& take, bool hum, double rms) {
    std::vector<double> background(take.samples.size());
    std::mt19937 random(31);
    std::normal_distribution<double> white;
    double b0 = 0, b1 = 0, b2 = 0, sum = 0;
    for (std::size_t n = 0; n < background.size(); ++n) {
        if (hum) {
            const double w = 2 * std::numbers::pi * 50.0 * static_cast<double>(n) / kRate;
            background[n] = std::sin(w) + 0.5 * std::sin(2 * w) + 0.3 * std::sin(3 * w);
        } else {
            const double x = white(random);
            b0 = 0.99765 * b0 + x * 0.0990460;
            b1 = 0.96300 * b1 + x * 0.2965164;
            b2 = 0.57000 * b2 + x * 1.0526913;
            background[n] = b0 + b1 + b2 + x * 0.1848;
        }
        sum += background[n] * background[n];
    }
    const double scale = rms / std::sqrt(sum / static_cast<double>(background.size()));
    for (std::size_t n = 0; n < background.size(); ++n) {
        take.samples[n] += static_cast<float>(scale * background[n]);
    }
}

void Put(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>(value >> (8 * i) & 0xFF));
    }
}

bool Write(const std::string& folder, const std::string& name, const Take& take) {
    std::ofstream wav(folder + "/" + name + ".wav", std::ios::binary);
    const auto dataBytes = static_cast<std::uint32_t>(take.samples.size() * 2);
    wav.write("RIFF", 4);
    Put(wav, 36 + dataBytes, 4);
    wav.write("WAVEfmt ", 8);
    Put(wav, 16, 4);
    Put(wav, 1, 2);
    Put(wav, 1, 2);
    Put(wav, kRate, 4);
    Put(wav, kRate * 2, 4);
    Put(wav, 2, 2);
    Put(wav, 16, 2);
    wav.write("data", 4);
    Put(wav, dataBytes, 4);
    for (const float sample : take.samples) {
        const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
        Put(wav, static_cast<std::uint32_t>(value), 2);
    }
    std::ofstream notes(folder + "/" + name + ".notes");
    for (std::size_t i = 0; i < take.keys.size(); ++i) {
        notes << take.keys[i] << ' ' << OnsetMs(i) << '\n';
    }
    return static_cast<bool>(wav) && static_cast<bool>(notes);
}

bool WriteThree(const std::string& folder, const std::string& name, Take take) {
    bool ok = Write(folder, name, take);
    const double rms = NotesRms(take) / 10.0;  // 20 dB below
    for (const bool hum : {false, true}) {
        Take mixed = take;
        AddBackground(mixed, hum, rms);
        ok = Write(folder, name + (hum ? "-hum" : "-noise"), mixed) && ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: canzet-testset OUTDIR\n";
        return 2;
    }
    const std::string folder = argv[1];
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kRate);
    fluid_settings_setnum(settings, "synth.gain", 0.5);
    fluid_synth_t* synth = new_fluid_synth(settings);
    bool ok = fluid_synth_sfload(synth, kSoundfont, 1) != FLUID_FAILED;
    if (!ok) {
        std::cerr << "canzet-testset: cannot load " << kSoundfont << '\n';
    }
    for (const Instrument& instrument : kInstruments) {
        Take take;
        ok = ok && Render(synth, instrument, take) && WriteThree(folder, instrument.name, take);
    }
    ok = ok && WriteThree(folder, "sung", SungTone());
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    if (!ok) {
        std::cerr << "canzet-testset: could not write the set to " << folder << '\n';
    }
    return ok ? 0 : 1;
}
