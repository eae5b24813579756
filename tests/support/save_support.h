#pragma once
// A machine whose data folder is a fresh temporary folder, and the few file
// chores the save tests need.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>

#include "save/save_code.h"
#include "save/save_file.h"
#include "support/harness.h"

namespace kararion::testing {

// The six saved counters as the file and the information window write them.
using Texts = std::array<std::string, 6>;

class SaveTest : public ::testing::Test {
protected:
    SaveTest() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kararion-save-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
        root = pattern;
        std::filesystem::create_directory(root / "data");
        g.SetSaveFolder((root / "data").string() + "/");
    }
    ~SaveTest() override {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    Machine m;
    Game& g = m.game;
    RecordingEffects& fx = m.fx;
    std::filesystem::path root;

    std::filesystem::path Data(const std::string& file) const { return root / "data" / file; }

    void Write(const std::filesystem::path& path, const std::string& bytes) const {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string Read(const std::filesystem::path& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Everything under the temporary folder, to prove that nothing else appeared.
    std::set<std::string> Tree() const {
        std::set<std::string> out;
        for (const auto& e : std::filesystem::recursive_directory_iterator(root))
            out.insert(e.path().lexically_relative(root).string());
        return out;
    }

    void SetCounters(const Texts& v) {
        Six counts{};
        for (std::size_t i = 0; i < v.size(); ++i) counts[i] = ParseCount(v[i]).value();
        SetSavedCounters(g, counts);
    }
    Texts Counters() const {
        const Six counts = SavedCounters(g);
        Texts texts;
        for (std::size_t i = 0; i < counts.size(); ++i) texts[i] = CounterText(counts[i]);
        return texts;
    }
    // A save line for these texts, scrambled by the game's own table, without
    // the line break.
    std::string Line(const Texts& v) {
        std::string line;
        for (const std::string& text : v) line += save::EncodeSaveText(g, text) + "<>";
        return line;
    }
};

}  // namespace kararion::testing
