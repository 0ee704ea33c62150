// SPDX-License-Identifier: GPL-3.0-or-later
// What the player reads about the game outside it names what the tables hold.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
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

TEST(Docs, NameEveryGameTypeAndMenuItemAndCountTheGameTypesRight) {
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
    // "five game types", "five neighbourhood rules": wherever the game types are counted.
    constexpr std::array<const char*, 10> kWords = {"one", "two", "three", "four", "five",
                                                   "six", "seven", "eight", "nine", "ten"};
    const std::regex counted(R"(\b(one|two|three|four|five|six|seven|eight|nine|ten) (game types|neighbourhood rules)\b)",
                             std::regex::icase);
    for (const char* path : {"README.md", "packaging/tilewarden.6", "packaging/io.github.tilewarden.Tilewarden.metainfo.xml",
                             "packaging/io.github.tilewarden.Tilewarden.desktop", "packaging/CMakeLists.txt", "app/main.cpp"}) {
        const std::string text = read(path);
        for (std::sregex_iterator m(text.begin(), text.end(), counted), end; m != end; ++m) {
            std::string word = (*m)[1];
            for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            EXPECT_EQ(kWords[kGameTypes.size() - 1], word) << path << ": " << m->str();
        }
    }
}

}  // namespace
}  // namespace tw
