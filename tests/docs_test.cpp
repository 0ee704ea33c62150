// SPDX-License-Identifier: GPL-3.0-or-later
// What the player reads about the game outside it names what the tables hold.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>

#include "toolkit/windows.h"

namespace tw {
namespace {

std::string read(const std::string& path) {
    std::ifstream file(std::string(TILEWARDEN_SOURCE_DIR) + "/" + path);
    EXPECT_TRUE(file.good()) << path;
    return {std::istreambuf_iterator<char>(file), {}};
}

std::string withoutAmpersand(std::string text) {
    std::erase(text, '&');
    return text;
}

TEST(Docs, NameEveryGameTypeAndMenuItem) {
    const std::string readme = read("README.md");
    const std::string manual = read("packaging/tilewarden.6");
    const std::string appstream = read("packaging/io.github.tilewarden.Tilewarden.metainfo.xml");
    for (const GameType& type : kGameTypes) {
        const std::string caption = type.caption.text;
        EXPECT_NE(std::string::npos, readme.find(caption)) << "README.md: " << caption;
        EXPECT_NE(std::string::npos, manual.find(".B " + caption + "\n")) << "manual page: " << caption;
        const std::string name = caption.substr(0, caption.find(" (rule"));
        EXPECT_NE(std::string::npos, appstream.find("<li>" + name + ":")) << "AppStream: " << name;
    }
    for (const MenuEntry& entry : kMenu) {
        if (entry.caption.text == nullptr) continue;
        const std::string caption = withoutAmpersand(entry.caption.text);
        EXPECT_NE(std::string::npos, manual.find(caption)) << "manual page: " << caption;
        EXPECT_NE(std::string::npos, readme.find(caption)) << "README.md: " << caption;
        if (*entry.key == '\0') continue;
        EXPECT_NE(std::string::npos, manual.find(".B " + std::string(entry.key) + "\n")) << "manual page: " << entry.key;
        EXPECT_NE(std::string::npos, readme.find(caption + " (" + entry.key + ")")) << "README.md: " << entry.key;
    }
    // Each game type's line of the AppStream description in every language the description has.
    const std::regex translated(R"re(<li xml:lang="([^"]+)">)re");
    std::map<std::string, std::size_t> lines;
    for (std::sregex_iterator m(appstream.begin(), appstream.end(), translated), end; m != end; ++m) ++lines[(*m)[1]];
    for (const auto& [language, count] : lines) EXPECT_EQ(kGameTypes.size(), count) << "AppStream in " << language;
}

}  // namespace
}  // namespace tw
