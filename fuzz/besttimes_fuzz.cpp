// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/besttimes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// One folder for the whole run, removed when libFuzzer exits normally.
struct TemporaryFolder {
    fs::path path = fs::temp_directory_path() / ("besttimes-fuzz-" + std::to_string(::getpid()));
    TemporaryFolder() { fs::create_directory(path); }
    ~TemporaryFolder() { fs::remove_all(path); }
} const folder;

// A leading '*' repeats the rest past the line limit, so short inputs reach it too.
std::string filebytes(std::string_view input) {
    if (input.size() < 2 || input[0] != '*') return std::string(input);
    input.remove_prefix(1);
    std::string bytes;
    while (bytes.size() <= tw::kBestTimesLineLimit) bytes += input;
    return bytes;
}

}  // namespace

// Any file gives its first line up to a CR, at most the limit, and stays alone in its folder as it was.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = filebytes(std::string_view(reinterpret_cast<const char*>(data), size));
    const fs::path file = folder.path / tw::kBestTimesName;
    if (!(std::ofstream(file, std::ios::binary) << bytes)) std::abort();
    const std::string line = tw::scoreload(folder.path);
    std::ifstream in(file, std::ios::binary);
    const std::string after{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (line != bytes.substr(0, bytes.find('\r')).substr(0, tw::kBestTimesLineLimit) || after != bytes) std::abort();
    if (std::distance(fs::directory_iterator(folder.path), fs::directory_iterator()) != 1) std::abort();
    return 0;
}
