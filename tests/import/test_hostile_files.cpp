// SPDX-License-Identifier: GPL-3.0-or-later
// Permanence files of a few megabytes in shapes no casino writes: the import
// must neither crash nor hang, keep its memory in proportion to the file, and
// change nothing at all where it refuses the file. The tally over many files
// reads them with the same reader and lists each with why it added nothing.

#include "import/permanence_import.h"
#include "import/permanence_reader.h"
#include "platform/real_file_system.h"
#include "support/import_snapshot.h"
#include "support/scripted_platform.h"
#include "tally/permanence_tally.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <new>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace ravelin {
namespace {

using testing::ImportSnapshot;
using testing::importSnapshot;
using testing::TestWindow;

constexpr std::size_t megabytes = 1 << 20;
const std::string header = "Spielbank Hamburg\r\nTisch 1\r\nDienstag\r\nZahl\r\n";

// The window over a folder /perm that exists before the start-up lists it.
struct PermWindow {
    static testing::MemoryFileSystem permFolder()
    {
        testing::MemoryFileSystem m;
        m.folders = {"/perm"};
        m.current = "/perm";
        return m;
    }
    testing::ScriptedSpins spins;
    testing::ScriptedConfirmation confirmation;
    testing::MemoryFileSystem files = permFolder();
    FormController controller{Platform{spins, confirmation, files}};
    FormModel& form = controller.form();
};

struct HostileFileTest : ::testing::Test {
    PermWindow w;

    HostileFileTest()
    {
        // A spin count typed before, so that a refused import has something to keep.
        w.controller.textanzahlEdited("12");
    }

    // Puts the file in place, then Import, a click on the file and OK, as the
    // user does it. Gives how long OK took.
    std::chrono::duration<double> importThroughPanel(const std::string& content)
    {
        w.files.files["/perm/hostile.txt"] = content;
        return importPlaced();
    }
    // The same with a file too large to hold, made as it is read.
    void importThroughPanel(const testing::MemoryFileSystem::Generated& file)
    {
        w.files.generated["/perm/hostile.txt"] = file;
        importPlaced();
    }

    std::chrono::duration<double> importPlaced()
    {
        w.controller.okexternClick();
        refreshFileList();
        const auto& listed = w.form.File1.files();
        const auto it = std::find(listed.begin(), listed.end(), "hostile.txt");
        if (it == listed.end()) {
            ADD_FAILURE() << "hostile.txt is not listed";
            return {};
        }
        w.controller.file1Click(static_cast<int>(it - listed.begin()));
        const auto start = std::chrono::steady_clock::now();
        w.controller.okexternokClick();
        return std::chrono::steady_clock::now() - start;
    }

    template <typename File> void expectRefused(const File& content)
    {
        w.controller.okexternClick();
        const ImportSnapshot before = importSnapshot(w.form);
        importThroughPanel(content);
        EXPECT_EQ(importSnapshot(w.form), before) << "a refused file changed the window";
        EXPECT_TRUE(w.form.Frame1.visible());
    }

    // Into the root and back, so that the file list reads the folder afresh.
    void refreshFileList()
    {
        for (const char* path : {"/", "/perm"}) {
            const auto& entries = w.form.Dir1.entries();
            for (std::size_t i = 0; i < entries.size(); ++i)
                if (entries[i].path == path) {
                    w.controller.dir1Open(static_cast<int>(i));
                    break;
                }
        }
        ASSERT_EQ(w.form.Dir1.path(), "/perm");
    }

    // Taken with N spins: N + 21 slots, and each slot as expected. A wrong
    // slot count is fatal, so that a caller under ASSERT_NO_FATAL_FAILURE
    // never reads past the slots.
    void expectTaken(std::size_t n)
    {
        const SessionState& s = w.form.state;
        EXPECT_FALSE(w.form.Frame1.visible());
        EXPECT_EQ(s.importmodus, 1);
        EXPECT_EQ(s.importanzahl, static_cast<double>(n));
        ASSERT_EQ(s.permanenz.size(), n + 21);
        EXPECT_EQ(w.form.textanzahl.text(), n > 0 ? std::to_string(n) : "");
        EXPECT_EQ(s.permanenz[0], 0);
        for (std::size_t i = n + 1; i < s.permanenz.size(); ++i)
            ASSERT_EQ(s.permanenz[i], 0) << "slot " << i;
    }
};

TEST_F(HostileFileTest, RefusesWhatIsNoPermanenceWhateverItsSize)
{
    const std::vector<std::pair<const char*, std::string>> files{
        {"NUL bytes only", std::string(4 * megabytes, '\0')},
        {"the casino's name, then NUL bytes without a line end",
         "Spielbank" + std::string(4 * megabytes, '\0')},
        {"one enormous line", "Spielbank " + std::string(4 * megabytes, 'x')},
        {"a quote never closed in the second line",
         "Spielbank\r\n\"" + std::string(3 * megabytes, ',')},
        {"two header lines, then a million blanks",
         "Spielbank\r\nA\r\n" + std::string(megabytes, ' ')},
        {"a million line ends before the header", std::string(megabytes, '\n') + header + "5\r\n"},
        {"the header in two-byte characters",
         std::string("S\0p\0i\0e\0l\0b\0a\0n\0k\0", 18) + header},
    };
    for (const auto& [what, content] : files) {
        SCOPED_TRACE(what);
        expectRefused(content);
    }
    // The panel still works: a sound file after them is taken.
    importThroughPanel(header + "17\r\n4\r\n");
    ASSERT_NO_FATAL_FAILURE(expectTaken(2));
    EXPECT_EQ(w.form.state.permanenz[1], 17);
}

TEST_F(HostileFileTest, AFileOfGigabytesIsRefusedFromItsFirstItemAlone)
{
    constexpr std::uint64_t gigabytes3 = 3ull << 30;
    const std::vector<std::pair<const char*, testing::MemoryFileSystem::Generated>> files{
        {"a log, not a permanence", {"Logfile 2026-12-08\r\n", gigabytes3, 'x'}},
        {"a first item that never ends", {"Spielbank", gigabytes3, 'x'}},
        {"blanks without end before the first item", {"", gigabytes3, ' '}},
        {"a quote around the first item never closed", {"\"Spielbank", gigabytes3, ','}},
        {"a quoted first item longer than the window",
         {"\"Spielbank" + std::string(firstItemWindow, ',') + "\"\r\nB\r\nC\r\nD\r\n5\r\n",
          2 * firstItemWindow, '\n'}},
    };
    for (const auto& [what, file] : files) {
        SCOPED_TRACE(what);
        w.files.bytesRequested = 0;
        expectRefused(file);
        EXPECT_LE(w.files.bytesRequested, firstItemWindow);
    }
}

TEST_F(HostileFileTest, TheSpinsKeptDecideTheMemoryNotTheFileSize)
{
    // Two spins, then a separator line of 30 megabytes: the list keeps its 23
    // slots, and no room for the bytes that were read.
    importThroughPanel(testing::MemoryFileSystem::Generated{
        header + "5\r\n7\r\n-", 30 * megabytes + header.size() + 6, '-'});
    ASSERT_NO_FATAL_FAILURE(expectTaken(2));
    EXPECT_EQ(w.form.state.permanenz[2], 7);
    EXPECT_LE(w.form.state.permanenz.capacity(), 300u);

    // A million spins: the slots are laid out once, exactly.
    w.form.okextern.setEnabled(true);
    std::string many = header;
    for (int i = 0; i < 1000000; ++i)
        many += "17\r\n";
    importThroughPanel(many);
    ASSERT_NO_FATAL_FAILURE(expectTaken(1000000));
    EXPECT_LE(w.form.state.permanenz.capacity(), 1000000u + 21 + 300);
}

TEST_F(HostileFileTest, AFileSystemThatThrowsChangesNothing)
{
    w.files.files["/perm/hostile.txt"] = header + "5\r\n";
    w.controller.okexternClick();
    refreshFileList();
    w.controller.file1Click(0);
    const ImportSnapshot before = importSnapshot(w.form);
    w.files.throwing = true;
    EXPECT_THROW(w.controller.okexternokClick(), std::bad_alloc);
    EXPECT_EQ(importSnapshot(w.form), before);

    // The same press goes through once the files can be read again.
    w.files.throwing = false;
    w.controller.okexternokClick();
    ASSERT_NO_FATAL_FAILURE(expectTaken(1));
}

TEST_F(HostileFileTest, AMillionCommasAreAMillionAndOneEmptySpins)
{
    const auto took = importThroughPanel(header + std::string(1000000, ',') + "\r\n");
    ASSERT_NO_FATAL_FAILURE(expectTaken(1000001));
    for (std::size_t i = 1; i <= 1000001; ++i)
        ASSERT_EQ(w.form.state.permanenz[i], 0) << "slot " << i;
    EXPECT_LT(took.count(), 20.0) << "the import must stay linear in the file";
}

TEST_F(HostileFileTest, OneEnormousDataLineIsOneSpin)
{
    // Four megabytes of digits: beyond any double, so the spin reads as 0.
    importThroughPanel(header + std::string(4 * megabytes, '7'));
    ASSERT_NO_FATAL_FAILURE(expectTaken(1));
    EXPECT_EQ(w.form.state.permanenz[1], 0);

    // Four megabytes of NUL bytes after a good header: one spin of value 0.
    w.form.okextern.setEnabled(true);
    importThroughPanel(header + "5\r\n" + std::string(4 * megabytes, '\0'));
    ASSERT_NO_FATAL_FAILURE(expectTaken(2));
    EXPECT_EQ(w.form.state.permanenz[1], 5);
    EXPECT_EQ(w.form.state.permanenz[2], 0);
}

TEST_F(HostileFileTest, LinesOfCarriageReturnsAloneAreLines)
{
    std::string content = "Spielbank\rA\rB\rC\r";
    for (int i = 0; i < 1000000; ++i)
        content += i % 2 ? "5\r" : "36\r";
    importThroughPanel(content);
    ASSERT_NO_FATAL_FAILURE(expectTaken(1000000));
    EXPECT_EQ(w.form.state.permanenz[1], 36);
    EXPECT_EQ(w.form.state.permanenz[1000000], 5);
}

TEST_F(HostileFileTest, QuotesNestedAndRepeatedStayWithinTheFile)
{
    // A first item that holds all the window allows of commas and line ends: shown, its
    // line ends as carriage returns, and no longer than the file.
    std::string huge = "\"Spielbank";
    while (huge.size() + 3 < firstItemWindow - 16)
        huge += ",\r\n";
    huge += "\"\r\nB\r\nC\r\nD\r\n\"\"\"\"\"\"\r\n";
    importThroughPanel(huge + std::string(2 * megabytes, '"'));
    const std::string& caption = w.form.text.caption();
    EXPECT_TRUE(caption.starts_with("Spielbank,\r,\r"));
    EXPECT_EQ(caption.find('\n'), std::string::npos);
    EXPECT_LE(caption.size(), huge.size());
    EXPECT_LE(caption.find('B'), headerItemKept + 1)
        << "a header item is shown from its start only";
    // The quoted empty item, and the run of quotes behind it, whose first two
    // quotes make an empty item and whose rest is dropped: two spins of 0.
    ASSERT_NO_FATAL_FAILURE(expectTaken(2));
}

TEST_F(HostileFileTest, ValuesOutOfAnyRangeAreStoredFinite)
{
    std::string content = header;
    for (int i = 0; i < 100000; ++i)
        content += i % 3 == 0   ? "1e308\r\n"
                   : i % 3 == 1 ? "1E999\r\n"
                                : "99999999999999999999999\r\n";
    importThroughPanel(content);
    ASSERT_NO_FATAL_FAILURE(expectTaken(100000));
    for (std::size_t i = 1; i <= 100000; ++i)
        ASSERT_TRUE(std::isfinite(w.form.state.permanenz[i])) << "slot " << i;

    // The run passes over every one of them like a zero and ends in order.
    ASSERT_TRUE(w.form.okstart.enabled());
    w.controller.okstartClick();
    EXPECT_FALSE(w.form.okstart.enabled());
    EXPECT_EQ(w.form.state.kombiwurf, 0);
}

TEST_F(HostileFileTest, AFileGoneBeforeOkChangesNothing)
{
    w.files.files["/perm/gone.txt"] = header + "5\r\n";
    w.controller.okexternClick();
    refreshFileList();
    w.controller.file1Click(0);
    ASSERT_EQ(w.form.File1.selectedFile(), "gone.txt");
    w.files.files.erase("/perm/gone.txt");
    const ImportSnapshot before = importSnapshot(w.form);
    w.controller.okexternokClick();
    EXPECT_EQ(importSnapshot(w.form), before);
}

TEST_F(HostileFileTest, AFileChangedBetweenItsReadingsChangesNothing)
{
    struct Change {
        const char* name;
        std::optional<std::string> secondReading; // none: the file is gone
    };
    for (const Change& change :
         {Change{"a spin more", header + "5\r\n7\r\n9\r\n"},
          Change{"a spin less", header + "5\r\n"}, Change{"the header gone", "5\r\n7\r\n"},
          Change{"another table", "Spielbank Hamburg\r\nTisch 2\r\nDienstag\r\nZahl\r\n5\r\n7\r\n"},
          Change{"the file gone", std::nullopt}}) {
        SCOPED_TRACE(change.name);
        int openings = 0;
        w.files.opening = [&](const std::string& path) {
            if (++openings != 2)
                return;
            if (change.secondReading)
                w.files.files[path] = *change.secondReading;
            else
                w.files.files.erase(path);
        };
        expectRefused(header + "5\r\n7\r\n");
        EXPECT_EQ(openings, 2);
    }
}

// On the real file system: what is named like a permanence but is no plain
// file is refused at once, without reading it.
TEST(HostileRealFileTest, FifosAndFoldersNamedTxtAreRefusedWithoutBlocking)
{
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("ravelin-hostile-" + std::to_string(::getpid()));
    fs::create_directories(folder / "folder.txt");
    ASSERT_EQ(::mkfifo((folder / "pipe.txt").c_str(), 0600), 0);
    {
        std::ofstream(folder / "empty.txt");
    }

    TestWindow w;
    RealFileSystem real;
    const ImportSnapshot before = importSnapshot(w.form);
    for (const char* name : {"pipe.txt", "folder.txt", "empty.txt", "missing.txt"}) {
        SCOPED_TRACE(name);
        // A FIFO opened for reading would wait for a writer for ever.
        EXPECT_FALSE(importPermanence(w.form, real, folder.string(), name));
        EXPECT_EQ(importSnapshot(w.form), before);
    }
    fs::remove_all(folder);
}

// How a tally over a set of hostile files went: every file's status by its
// name, and the longest time the tally went without asking whether to stop.
struct HostileTally {
    std::map<std::string, std::string> statusByName;
    std::map<std::string, std::uint64_t> spinsByName;
    double longestSilence = 0;
    bool cancelled = false;
};

// `cancelWhen` is asked with the path of the file being read.
HostileTally tallyHostile(FileSystem& files, const std::vector<std::string>& paths,
                          const std::function<bool(const std::string&)>& cancelWhen = {})
{
    std::string current;
    using Clock = std::chrono::steady_clock;
    HostileTally out;
    Clock::time_point last = Clock::now();
    const auto asked = [&] {
        const Clock::time_point now = Clock::now();
        out.longestSilence =
            std::max(out.longestSilence, std::chrono::duration<double>(now - last).count());
        last = now;
    };
    TallyHooks hooks;
    hooks.progress = [&](std::size_t, std::size_t, const std::string& path) {
        asked();
        current = path;
    };
    hooks.cancelled = [&] {
        asked();
        return cancelWhen && cancelWhen(current);
    };
    const TallyResult result = tallyPermanences(files, paths, hooks);
    asked();
    for (const TallyRow& row : result.rows) {
        out.statusByName[row.name] = statusLabel(row.status);
        out.spinsByName[row.name] = row.spins;
    }
    out.cancelled = result.cancelled;
    return out;
}

// The tally over many files meets the same files: each is listed with why it
// added nothing, and none keeps the tally from asking whether to stop for
// longer than a second.
TEST(HostileTallyTest, EveryHostileFileIsListedWithItsReason)
{
    constexpr std::uint64_t gigabytes3 = 3ull << 30;
    testing::MemoryFileSystem files;
    files.generated["/p/riesig-ohne-kopf.txt"] = {"Logfile 2026-12-08\r\n", gigabytes3, 'x'};
    files.generated["/p/riesige-erste-zeile.txt"] = {"Spielbank", gigabytes3, 'x'};
    files.files["/p/nur-null-bytes.txt"] = std::string(4 * megabytes, '\0');
    files.files["/p/zwei-byte-zeichen.txt"] =
        std::string("S\0p\0i\0e\0l\0b\0a\0n\0k\0", 18) + header;
    files.files["/p/gut.txt"] = header + "5\r\n17\r\n36\r\n";
    std::vector<std::string> paths{"/p/riesig-ohne-kopf.txt",
                                   "/p/riesige-erste-zeile.txt",
                                   "/p/nur-null-bytes.txt",
                                   "/p/zwei-byte-zeichen.txt",
                                   "/p/gut.txt",
                                   "/p/fehlt.txt"};
    const HostileTally tally = tallyHostile(files, paths);
    EXPECT_EQ(tally.statusByName,
              (std::map<std::string, std::string>{{"fehlt.txt", "nicht lesbar"},
                                                  {"gut.txt", "gelesen"},
                                                  {"nur-null-bytes.txt", "nicht lesbar"},
                                                  {"riesig-ohne-kopf.txt", "keine Permanenz"},
                                                  {"riesige-erste-zeile.txt", "keine Permanenz"},
                                                  {"zwei-byte-zeichen.txt", "nicht lesbar"}}));
    EXPECT_LE(files.bytesRequested, 4 * megabytes + 2 * firstItemWindow + 1000)
        << "a file that is no permanence is refused from its first item";
    EXPECT_LT(tally.longestSilence, 1.0);
}

TEST(HostileTallyTest, TenThousandEmptyFilesAreEachListedEmpty)
{
    testing::MemoryFileSystem files;
    std::vector<std::string> paths;
    for (int i = 0; i < 10000; ++i) {
        paths.push_back("/p/leer-" + std::to_string(i) + ".txt");
        files.files[paths.back()] = "";
    }
    const HostileTally tally = tallyHostile(files, paths);
    ASSERT_EQ(tally.statusByName.size(), 10000u);
    for (const auto& [name, status] : tally.statusByName)
        ASSERT_EQ(status, "leer") << name;
    EXPECT_LT(tally.longestSilence, 1.0);
}

TEST(HostileTallyTest, APermanenceOfGigabytesIsReadUntilTheCancel)
{
    // Three gigabytes of a permanence: one spin, then empty lines, each a spin 0.
    testing::MemoryFileSystem files;
    files.generated["/p/riesig.txt"] = {header + "5\r\n", 3ull << 30, '\n'};
    const auto start = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point cancelAt{};
    const HostileTally tally = tallyHostile(files, {"/p/riesig.txt"}, [&](const std::string&) {
        if (files.bytesRequested < 64 * megabytes)
            return false;
        cancelAt = std::chrono::steady_clock::now();
        return true;
    });
    const auto end = std::chrono::steady_clock::now();
    EXPECT_TRUE(tally.cancelled);
    EXPECT_TRUE(tally.statusByName.empty());
    ASSERT_NE(cancelAt, std::chrono::steady_clock::time_point{}) << "never cancelled";
    EXPECT_LT(std::chrono::duration<double>(end - cancelAt).count(), 0.1);
    EXPECT_LT(tally.longestSilence, 1.0);
    EXPECT_LT(std::chrono::duration<double>(end - start).count(), 20.0);
}

// On the real file system: what is named like a permanence but is no plain
// file, or no file that can be read, is listed as not readable at once.
TEST(HostileRealFileTest, TheTallyListsWhatCannotBeReadWithoutBlocking)
{
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("ravelin-hostile-tally-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "ordner.txt");
    ASSERT_EQ(::mkfifo((folder / "pipe.txt").c_str(), 0600), 0);
    fs::create_symlink("schleife.txt", folder / "schleife.txt");
    const auto write = [&](const char* name, const std::string& content) {
        std::ofstream(folder / name, std::ios::binary) << content;
    };
    write("binaer.txt", std::string("\x7f"
                                    "ELF\2\1\1\0\0\0",
                                    10) +
                            std::string(5000, '\0'));
    write("gesperrt.txt", header + "5\r\n17\r\n36\r\n");
    fs::permissions(folder / "gesperrt.txt", fs::perms::none);
    // A permanence of many blocks, cut short while it is read.
    std::string long_ = header;
    for (int i = 0; i < 100000; ++i)
        long_ += "17\r\n";
    write("schrumpft.txt", long_);
    write("gut.txt", header + "5\r\n17\r\n36\r\n");
    std::vector<std::string> paths;
    for (const char* name : {"ordner.txt", "pipe.txt", "schleife.txt", "binaer.txt", "gesperrt.txt",
                             "schrumpft.txt", "gut.txt", "fehlt.txt"})
        paths.push_back((folder / name).string());
    for (int i = 0; i < 10000; ++i) {
        const std::string name = "leer-" + std::to_string(i) + ".txt";
        write(name.c_str(), "");
        paths.push_back((folder / name).string());
    }

    RealFileSystem real;
    int pollsInShrinking = 0;
    HostileTally tally = tallyHostile(real, paths, [&](const std::string& current) {
        // Asked before each block: before the second, the file shrinks to a
        // few spins.
        if (current.ends_with("schrumpft.txt") && ++pollsInShrinking == 2)
            fs::resize_file(folder / "schrumpft.txt", header.size() + 8);
        return false;
    });
    fs::permissions(folder / "gesperrt.txt", fs::perms::owner_all);
    fs::remove_all(folder);

    // Only a reader with the rights of root reads a file locked to everyone.
    const char* locked = ::geteuid() == 0 ? "gelesen" : "nicht lesbar";
    for (const auto& [name, status] :
         std::vector<std::pair<const char*, const char*>>{{"ordner.txt", "nicht lesbar"},
                                                          {"pipe.txt", "nicht lesbar"},
                                                          {"schleife.txt", "nicht lesbar"},
                                                          {"binaer.txt", "nicht lesbar"},
                                                          {"gesperrt.txt", locked},
                                                          {"gut.txt", "gelesen"},
                                                          {"fehlt.txt", "nicht lesbar"},
                                                          {"leer-9999.txt", "leer"}})
        EXPECT_EQ(tally.statusByName[name], status) << name;
    EXPECT_EQ(tally.statusByName.size(), 10008u);
    // The shrunk file is read as far as it was there.
    EXPECT_EQ(tally.statusByName["schrumpft.txt"], "gelesen");
    EXPECT_GT(tally.spinsByName["schrumpft.txt"], 0u);
    EXPECT_LT(tally.spinsByName["schrumpft.txt"], 100000u);
    EXPECT_LT(tally.longestSilence, 1.0);
}

} // namespace
} // namespace ravelin
