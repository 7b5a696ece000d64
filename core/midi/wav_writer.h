#pragma once
// Writes 16-bit PCM WAV files as the samples come, so that a long recording
// never has to fit in memory. The sizes in the header are filled in by Finish.

#include <cstdint>
#include <cstdio>
#include <string>

class WavWriter {
public:
    WavWriter() = default;
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    bool Open(const std::string& path, int sampleRate, int channels);
    // Interleaved frames of `channels` samples each.
    bool Append(const std::int16_t* samples, long frames);
    // Completes the header and closes the file.
    bool Finish();

    long Frames() const { return frames_; }
    // What went wrong, in words.
    const std::string& Problem() const { return problem_; }

private:
    bool Fail(const std::string& what);

    std::FILE* file_ = nullptr;
    std::string path_;
    int sampleRate_ = 44100;
    int channels_ = 2;
    long frames_ = 0;
    std::string problem_;
};
