// Profile files: a burst of 10,000 writes to one section in one batch, then
// 100,000 look-ups. Prints the times and how many times the file was written.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <stdlib.h>

#include "core/services/profile.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main()
{
    constexpr int KeyCount = 10000;
    constexpr int LookupCount = 100000;

    std::string folder = (std::filesystem::temp_directory_path() / "cantrel-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string ini = folder + "/bench.ini";

    const std::size_t rewritesBefore = ProfileRewriteCount();
    auto start = Clock::now();
    bool ok = true;
    {
        ProfileBatch batch;
        for (int i = 0; i < KeyCount; ++i) {
            const std::string key = "Key" + std::to_string(i);
            const std::string value = "\"Chord " + std::to_string(i) + "\",\"Description\", 1 3 5 7b";
            ok = WritePrivateProfileString("Bench", key.c_str(), value.c_str(), ini.c_str()) && ok;
        }
        ok = batch.Commit() && ok;
    }
    const double writeMs = MillisecondsSince(start);
    const std::size_t rewrites = ProfileRewriteCount() - rewritesBefore;
    std::printf("write %d keys in one batch + flush: %.2f ms, file rewrites: %zu, file size: %ju bytes\n", KeyCount,
                writeMs, rewrites, static_cast<std::uintmax_t>(std::filesystem::file_size(ini)));

    ForgetProfiles();
    char value[256];
    start = Clock::now();
    GetPrivateProfileString("Bench", "Key0", "", value, sizeof value, ini.c_str());
    std::printf("first look-up (reads and parses the file): %.2f ms\n", MillisecondsSince(start));

    std::size_t found = 0;
    start = Clock::now();
    for (int i = 0; i < LookupCount; ++i) {
        // Mixed case and a spread of keys, as the definition lists read them.
        const std::string key = (i % 2 ? "KEY" : "key") + std::to_string((i * 7919) % KeyCount);
        found += GetPrivateProfileString("bench", key.c_str(), "", value, sizeof value, ini.c_str()) > 0;
    }
    const double lookupMs = MillisecondsSince(start);
    std::printf("%d look-ups: %.2f ms, %.0f ns per look-up, %zu found\n", LookupCount, lookupMs,
                lookupMs * 1e6 / LookupCount, found);

    std::filesystem::remove_all(folder);
    if (!ok || rewrites != 1 || found != static_cast<std::size_t>(LookupCount)) {
        std::fprintf(stderr, "unexpected result\n");
        return 1;
    }
    return 0;
}
