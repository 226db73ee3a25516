// The default input on Windows through waveIn: the wave mapper, 16-bit PCM at the
// listener's rate, mono, or stereo mixed down where the device gives only that. A ring of
// buffers of one hop each stays queued to the device, which sets an event as it fills
// each one; Read, on the listener's thread, waits on that event, so no window and no
// callback of the system's are involved.
#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "input/microphone/AudioCapture.h"

namespace input {

namespace {

constexpr std::size_t kBuffers = 32;
// waveIn tells of a device taken away by filling no more buffers, or empty ones.
constexpr DWORD kQuietDeviceMs = 2000;
constexpr std::size_t kEmptyBuffersWhenGone = kBuffers;

struct Failure {
    MMRESULT code;
    CaptureProblem problem;
    const char* words;
};

// The system's texts follow its language; these stay English, as on Linux.
constexpr std::array kFailures{
    Failure{MMSYSERR_ALLOCATED, CaptureProblem::Refused, "the device is in use"},
    // What waveInOpen returns where the privacy settings deny the microphone.
    Failure{MMSYSERR_ERROR, CaptureProblem::Refused, "access denied"},
    Failure{MMSYSERR_BADDEVICEID, CaptureProblem::NoMicrophone, "no such device"},
    Failure{MMSYSERR_NODRIVER, CaptureProblem::NoMicrophone, "no device driver"},
    Failure{MMSYSERR_NOMEM, CaptureProblem::NoMicrophone, "out of memory"},
    Failure{WAVERR_BADFORMAT, CaptureProblem::NoMicrophone,
            "the device takes no 16-bit sound at this rate"},
};

// What a failed call means: refused, or no microphone to open; the call named in the words.
CaptureStatus OpenFailure(const char* call, MMRESULT code) {
    for (const Failure& failure : kFailures) {
        if (failure.code == code) {
            return {failure.problem, std::string(call) + ": " + failure.words};
        }
    }
    return {CaptureProblem::NoMicrophone, std::string(call) + ": error " + std::to_string(code)};
}

// The device's thread sets the flag; this thread reads it afresh each time.
bool Filled(const WAVEHDR& header) {
    return (static_cast<const volatile DWORD&>(header.dwFlags) & WHDR_DONE) != 0;
}

class WaveInCapture : public AudioCapture {
  public:
    ~WaveInCapture() override { Close(); }

    CaptureStatus Open(int sampleRate, int hopSamples) override {
        if (waveInGetNumDevs() == 0) {
            return {CaptureProblem::NoMicrophone, "no audio input device"};
        }
        m_event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        if (m_event == nullptr) {
            return {CaptureProblem::NoMicrophone, "no event to wait on"};
        }
        MMRESULT opened = WAVERR_BADFORMAT;
        for (WORD channels = 1; channels <= 2 && opened == WAVERR_BADFORMAT; ++channels) {
            m_channels = channels;
            WAVEFORMATEX format{};
            format.wFormatTag = WAVE_FORMAT_PCM;
            format.nChannels = channels;
            format.nSamplesPerSec = static_cast<DWORD>(sampleRate);
            format.wBitsPerSample = 16;
            format.nBlockAlign = static_cast<WORD>(channels * sizeof(std::int16_t));
            format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
            opened = waveInOpen(&m_device, WAVE_MAPPER, &format,
                                reinterpret_cast<DWORD_PTR>(m_event), 0, CALLBACK_EVENT);
        }
        if (opened != MMSYSERR_NOERROR) {
            m_device = nullptr;
            return OpenFailure("waveInOpen", opened);
        }
        m_bytesPerSecond = static_cast<double>(sampleRate) * m_channels * sizeof(std::int16_t);
        const std::size_t bufferSamples = static_cast<std::size_t>(hopSamples) * m_channels;
        m_samples.assign(kBuffers * bufferSamples, 0);
        for (std::size_t i = 0; i < kBuffers; ++i) {
            WAVEHDR& header = m_headers[i];
            header.lpData = reinterpret_cast<LPSTR>(&m_samples[i * bufferSamples]);
            header.dwBufferLength = static_cast<DWORD>(bufferSamples * sizeof(std::int16_t));
            const MMRESULT prepared = waveInPrepareHeader(m_device, &header, sizeof header);
            if (prepared != MMSYSERR_NOERROR) {
                return OpenFailure("waveInPrepareHeader", prepared);
            }
            ++m_prepared;
            const MMRESULT added = waveInAddBuffer(m_device, &header, sizeof header);
            if (added != MMSYSERR_NOERROR) {
                return OpenFailure("waveInAddBuffer", added);
            }
        }
        const MMRESULT started = waveInStart(m_device);
        if (started != MMSYSERR_NOERROR) {
            return OpenFailure("waveInStart", started);
        }
        return {};
    }

    CaptureStatus Read(float* samples, std::size_t count) override {
        while (count > 0) {
            WAVEHDR& header = m_headers[m_next];
            if (!Filled(header)) {
                if (WaitForSingleObject(m_event, kQuietDeviceMs) != WAIT_OBJECT_0 &&
                    !Filled(header)) {
                    return {CaptureProblem::Lost, "the device stopped delivering sound"};
                }
                continue;
            }
            const std::size_t frames = header.dwBytesRecorded / (m_channels * sizeof(std::int16_t));
            const auto* pcm = reinterpret_cast<const std::int16_t*>(header.lpData);
            for (; m_frame < frames && count > 0; ++m_frame, --count) {
                const std::int16_t* frame = pcm + m_frame * m_channels;
                *samples++ =
                    m_channels == 1 ? frame[0] / 32768.0f : (frame[0] + frame[1]) / 65536.0f;
                ++m_framesRead;
            }
            if (m_frame < frames) {
                break;
            }
            m_emptyInARow = frames == 0 ? m_emptyInARow + 1 : 0;
            if (m_emptyInARow >= kEmptyBuffersWhenGone) {
                return {CaptureProblem::Lost, "the device stopped recording"};
            }
            m_frame = 0;
            header.dwFlags &= ~static_cast<DWORD>(WHDR_DONE);
            const MMRESULT added = waveInAddBuffer(m_device, &header, sizeof header);
            if (added != MMSYSERR_NOERROR) {
                return {CaptureProblem::Lost, OpenFailure("waveInAddBuffer", added).detail};
            }
            m_next = (m_next + 1) % kBuffers;
        }
        return {};
    }

    // What the device has taken in past what was read, from its position in bytes (a
    // 32-bit count, which wraps).
    double LatencyMs() override {
        MMTIME position{};
        position.wType = TIME_BYTES;
        if (waveInGetPosition(m_device, &position, sizeof position) != MMSYSERR_NOERROR ||
            position.wType != TIME_BYTES) {
            return 0;
        }
        const auto readBytes = static_cast<DWORD>(m_framesRead * m_channels * sizeof(std::int16_t));
        const DWORD ahead = position.u.cb - readBytes;
        const double ms = 1000.0 * ahead / m_bytesPerSecond;
        return ms < 1000.0 ? ms : 0;
    }

  private:
    void Close() {
        if (m_device != nullptr) {
            // Every buffer comes back marked done, and may then be unprepared.
            waveInReset(m_device);
            for (std::size_t i = 0; i < m_prepared; ++i) {
                waveInUnprepareHeader(m_device, &m_headers[i], sizeof m_headers[i]);
            }
            waveInClose(m_device);
        }
        if (m_event != nullptr) {
            CloseHandle(m_event);
        }
    }

    HWAVEIN m_device = nullptr;
    HANDLE m_event = nullptr;
    WORD m_channels = 1;
    double m_bytesPerSecond = 0;
    std::vector<std::int16_t> m_samples;
    std::array<WAVEHDR, kBuffers> m_headers{};
    std::size_t m_prepared = 0;
    std::size_t m_next = 0;   // the buffer read from
    std::size_t m_frame = 0;  // the frame of it read next
    std::size_t m_emptyInARow = 0;
    std::uint64_t m_framesRead = 0;
};

}  // namespace

std::unique_ptr<AudioCapture> MakeSystemCapture() {
    return std::make_unique<WaveInCapture>();
}

}  // namespace input
