#include "core/midi/wav_writer.h"

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

constexpr long HeaderSize = 44;
constexpr std::uint32_t MaxDataBytes = 0xFFFFFFFFu - HeaderSize;

void PutLE(std::uint8_t* at, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void BuildHeader(std::uint8_t* h, int sampleRate, int channels, std::uint32_t dataBytes)
{
    const int bytesPerFrame = channels * 2;
    std::memcpy(h, "RIFF", 4);
    PutLE(h + 4, 36 + dataBytes, 4);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    PutLE(h + 16, 16, 4);  // size of the format chunk
    PutLE(h + 20, 1, 2);   // PCM
    PutLE(h + 22, channels, 2);
    PutLE(h + 24, sampleRate, 4);
    PutLE(h + 28, sampleRate * bytesPerFrame, 4);
    PutLE(h + 32, bytesPerFrame, 2);
    PutLE(h + 34, 16, 2);  // bits per sample
    std::memcpy(h + 36, "data", 4);
    PutLE(h + 40, dataBytes, 4);
}

}  // namespace

WavWriter::~WavWriter()
{
    if (file_) std::fclose(file_);
}

bool WavWriter::Fail(const std::string& what)
{
    problem_ = what + " " + path_ + ": " + std::strerror(errno);
    if (file_) std::fclose(file_);
    file_ = nullptr;
    return false;
}

bool WavWriter::Open(const std::string& path, int sampleRate, int channels)
{
    path_ = path;
    sampleRate_ = sampleRate;
    channels_ = channels;
    frames_ = 0;
    problem_.clear();
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) return Fail("cannot create");
    std::uint8_t header[HeaderSize];
    BuildHeader(header, sampleRate, channels, 0);
    if (std::fwrite(header, 1, HeaderSize, file_) != HeaderSize) return Fail("cannot write");
    return true;
}

bool WavWriter::Append(const std::int16_t* samples, long frames)
{
    if (!file_) return false;
    const std::uint64_t total = static_cast<std::uint64_t>(frames_ + frames) * channels_ * 2;
    if (total > MaxDataBytes) {
        errno = EFBIG;
        return Fail("too long for a WAV file:");
    }
    const std::size_t count = static_cast<std::size_t>(frames) * channels_;
    std::vector<std::uint8_t> bytes(count * 2);
    for (std::size_t i = 0; i < count; ++i) PutLE(&bytes[2 * i], static_cast<std::uint16_t>(samples[i]), 2);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) return Fail("cannot write");
    frames_ += frames;
    return true;
}

bool WavWriter::Finish()
{
    if (!file_) return false;
    std::uint8_t header[HeaderSize];
    BuildHeader(header, sampleRate_, channels_, static_cast<std::uint32_t>(frames_ * channels_ * 2));
    if (std::fseek(file_, 0, SEEK_SET) != 0 || std::fwrite(header, 1, HeaderSize, file_) != HeaderSize)
        return Fail("cannot write");
    const int closed = std::fclose(file_);
    file_ = nullptr;
    if (closed != 0) return Fail("cannot write");
    return true;
}
