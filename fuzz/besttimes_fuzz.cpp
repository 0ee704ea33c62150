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
#include <system_error>

namespace {

namespace fs = std::filesystem;

struct TemporaryFolder {
    fs::path path;
    ~TemporaryFolder() {
        std::error_code error;
        fs::remove_all(path, error);
    }
};

// One folder for the whole run, removed when libFuzzer exits normally.
const fs::path& folder() {
    static const TemporaryFolder made{[] {
        std::string name = (fs::temp_directory_path() / "besttimes-fuzz-XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr) std::abort();
        return fs::path(name);
    }()};
    return made.path;
}

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A leading '*' repeats the rest past the line limit, so short inputs reach it too.
std::string filebytes(std::string_view input) {
    if (input.size() < 2 || input[0] != '*') return std::string(input);
    input.remove_prefix(1);
    std::string bytes;
    while (bytes.size() <= tw::kBestTimesLineLimit) bytes += input;
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = filebytes(std::string_view(reinterpret_cast<const char*>(data), size));
    const fs::path file = folder() / tw::kBestTimesName;
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.good()) std::abort();
    }

    const std::string line = tw::scoreload(folder());

    const std::string expected = bytes.substr(0, bytes.find('\r')).substr(0, tw::kBestTimesLineLimit);
    // The expected line is a prefix of the file no longer than the limit.
    if (line != expected || slurp(file) != bytes) std::abort();
    if (std::distance(fs::directory_iterator(folder()), fs::directory_iterator()) != 1) std::abort();
    return 0;
}
