// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"
#include "frame.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;
using tw::drawing::Bytes;

Bytes read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Generator, RedrawingReproducesTheCommittedFilesByteForByte) {
    const fs::path out = fs::temp_directory_path() / "tilewarden-pictures-test";
    fs::remove_all(out);
    tw::drawing::write_all(out);
    std::size_t compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(out)) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), out);
        SCOPED_TRACE(relative.string());
        const fs::path committed = fs::path(TW_RESOURCES_DIR) / relative;
        ASSERT_TRUE(fs::exists(committed)) << "run scripts/draw-pictures and commit the result";
        EXPECT_EQ(read_file(entry.path()), read_file(committed)) << "run scripts/draw-pictures";
        ++compared;
    }
    EXPECT_EQ(compared, tw::drawing::all_files().size());
    fs::remove_all(out);
}

TEST(Generator, FramePiecesJoinIntoOneFrameAtEveryFieldSize) {
    const tw::drawing::FramePieces pieces = tw::drawing::frame_pieces();
    for (int across = 5; across <= 40; ++across) {
        for (int down : {1, 2, 16, 24}) {
            SCOPED_TRACE(std::to_string(across) + " x " + std::to_string(down));
            EXPECT_EQ(tw::drawing::assemble_frame(pieces, across, down), tw::drawing::frame_model(across, down));
        }
    }
}

}  // namespace
