// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real_file_system.h"
#include "support/change_spy.h"
#include "support/scripted_platform.h"
#include "window/guidance_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace ravelin {
namespace {

using testing::MemoryFileSystem;
using testing::ScriptedConfirmation;
using testing::ScriptedSpins;

namespace fs = std::filesystem;

const std::string permanenceFile = "Spielbank Hamburg\r\nTisch 4\r\nMontag\r\nZahl\r\n"
                                   "17\r\n-----\r\n0\r\n32\r\n=====\r\n";

const std::string panelText = "  Geben Sie den Ort an, wo sich die Datei\r"
                              "   mit den Permanenzen der Hamburger Spiel-\r"
                              "   bank befindet und dr\u00fccken Sie anschl. OK";

// A window over a file system that the test has set up before the start-up.
struct Window {
    explicit Window(FileSystem& fs) : files(fs), controller(Platform{spins, confirmation, fs}) {}

    ScriptedSpins spins;
    ScriptedConfirmation confirmation;
    FileSystem& files;
    FormController controller;
    FormModel& form = controller.form();

    int dirEntry(const std::string& path) const
    {
        const auto& entries = form.Dir1.entries();
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i].path == path)
                return static_cast<int>(i);
        return -1;
    }
    void open(const std::string& path)
    {
        const int index = dirEntry(path);
        ASSERT_GE(index, 0) << path;
        controller.dir1Open(index);
    }
    void choose(const std::string& file)
    {
        const auto& files = form.File1.files();
        const auto it = std::find(files.begin(), files.end(), file);
        ASSERT_NE(it, files.end()) << file;
        controller.file1Click(static_cast<int>(it - files.begin()));
    }
};

std::vector<std::string> labels(const DirList& dir)
{
    std::vector<std::string> shown;
    for (const auto& e : dir.entries())
        shown.push_back(std::string(static_cast<std::size_t>(e.depth), ' ') + e.label +
                        (e.open ? "/" : ""));
    return shown;
}

MemoryFileSystem anna()
{
    MemoryFileSystem m;
    m.mounts = {"/", "/media/stick", "/media/cdrom"};
    m.unreadable = {"/media/cdrom", "/locked"};
    m.folders = {"/home",
                 "/home/anna",
                 "/home/anna/perm",
                 "/home/anna/perm/2003",
                 "/home/anna/perm/.cache",
                 "/home/anna/perm/Alt",
                 "/media",
                 "/media/stick",
                 "/media/stick/data",
                 "/media/stickers",
                 "/media/cdrom",
                 "/locked"};
    m.files["/home/anna/perm/b.txt"] = permanenceFile;
    m.files["/home/anna/perm/A.TXT"] = "Casino\r\n";
    m.files["/home/anna/perm/c.Txt"] = "";
    m.files["/home/anna/perm/Zeit.TXT"] = "";
    m.files["/home/anna/perm/notes.doc"] = "";
    m.files["/home/anna/perm/txt"] = "";
    m.files["/home/anna/perm/.versteckt.txt"] = permanenceFile;
    m.files["/media/stick/s.txt"] = permanenceFile;
    m.files["/media/stick/data/x.txt"] = permanenceFile;
    m.current = "/home/anna/perm";
    return m;
}

TEST(ImportPanelTest, StartsAtTheProgramsFolder)
{
    MemoryFileSystem m = anna();
    Window w(m);
    const FormModel& f = w.form;

    EXPECT_EQ(f.Drive1.drives(), (std::vector<std::string>{"/", "/media/stick", "/media/cdrom"}));
    EXPECT_EQ(f.Drive1.selected(), 0);
    EXPECT_EQ(f.Dir1.path(), "/home/anna/perm");
    EXPECT_EQ(labels(f.Dir1), (std::vector<std::string>{"//", " home/", "  anna/", "   perm/",
                                                        "    2003", "    Alt"}));
    EXPECT_EQ(f.Dir1.currentIndex(), 3);
    EXPECT_EQ(f.File1.folder(), "/home/anna/perm");
    // "*.txt" whatever the case, sorted by name alike; hidden files left out.
    EXPECT_EQ(f.File1.files(), (std::vector<std::string>{"A.TXT", "b.txt", "c.Txt", "Zeit.TXT"}));
    EXPECT_EQ(f.File1.selected(), -1);
    EXPECT_FALSE(f.okexternok.enabled());
    EXPECT_FALSE(f.Frame1.visible());
}

TEST(ImportPanelTest, CurrentDriveIsTheOneHoldingTheFolder)
{
    MemoryFileSystem m = anna();
    m.current = "/media/stick/data";
    Window w(m);
    EXPECT_EQ(w.form.Drive1.selected(), 1);
    // The folder list starts at the drive's own root.
    EXPECT_EQ(labels(w.form.Dir1), (std::vector<std::string>{"/media/stick/", " data/"}));
    EXPECT_EQ(w.form.File1.files(), std::vector<std::string>{"x.txt"});
}

TEST(ImportPanelTest, DriveIsJudgedByWholeFolderNames)
{
    MemoryFileSystem m = anna();
    m.current = "/media/stickers";
    Window w(m);
    EXPECT_EQ(w.form.Drive1.selected(), 0);
    EXPECT_EQ(labels(w.form.Dir1), (std::vector<std::string>{"//", " media/", "  stickers/"}));
}

TEST(ImportPanelTest, DriveSetsTheFolderWhichFillsTheFilesInOneAction)
{
    MemoryFileSystem m = anna();
    Window w(m);
    FormModel& f = w.form;
    std::vector<std::string> seen;
    testing::ChangeSpy spy(f);
    spy.before = [&](testing::ChangeSpy::Change change) {
        if (change == testing::ChangeSpy::folder)
            seen.push_back("folder " + f.Dir1.path() + ", files of " + f.File1.folder());
    };
    spy.after = [&](testing::ChangeSpy::Change change) {
        if (change == testing::ChangeSpy::folder)
            seen.push_back("files of " + f.File1.folder());
    };

    w.controller.drive1Choose(1);

    EXPECT_EQ(seen, (std::vector<std::string>{"folder /media/stick, files of /home/anna/perm",
                                              "files of /media/stick"}));
    EXPECT_EQ(labels(f.Dir1), (std::vector<std::string>{"/media/stick/", " data"}));
    EXPECT_EQ(f.File1.files(), std::vector<std::string>{"s.txt"});
    EXPECT_EQ(f.File1.selected(), -1);
}

TEST(ImportPanelTest, DriveOfTheShownFolderStartsItsListAtTheDrive)
{
    MemoryFileSystem m = anna();
    m.current = "/media";
    Window w(m);
    w.open("/media/stick");
    ASSERT_EQ(labels(w.form.Dir1),
              (std::vector<std::string>{"//", " media/", "  stick/", "   data"}));

    w.controller.drive1Choose(1);
    EXPECT_EQ(w.form.Dir1.path(), "/media/stick");
    EXPECT_EQ(labels(w.form.Dir1), (std::vector<std::string>{"/media/stick/", " data"}));
    EXPECT_EQ(w.form.Dir1.currentIndex(), 0);
}

TEST(ImportPanelTest, UnreadableDriveKeepsFolderAndFiles)
{
    MemoryFileSystem m = anna();
    Window w(m);
    FormModel& f = w.form;
    w.choose("b.txt");
    const auto entries = labels(f.Dir1);

    w.controller.drive1Choose(2);

    EXPECT_EQ(f.Drive1.selected(), 2);
    EXPECT_EQ(f.Dir1.path(), "/home/anna/perm");
    EXPECT_EQ(labels(f.Dir1), entries);
    EXPECT_EQ(f.File1.selectedFile(), "b.txt");
    EXPECT_TRUE(f.okexternok.enabled());
}

TEST(ImportPanelTest, OpeningFoldersDownAndUp)
{
    MemoryFileSystem m = anna();
    Window w(m);
    FormModel& f = w.form;

    w.open("/home/anna/perm/2003");
    EXPECT_EQ(f.Dir1.path(), "/home/anna/perm/2003");
    EXPECT_EQ(labels(f.Dir1),
              (std::vector<std::string>{"//", " home/", "  anna/", "   perm/", "    2003/"}));
    EXPECT_TRUE(f.File1.files().empty());

    w.open("/home");
    EXPECT_EQ(labels(f.Dir1), (std::vector<std::string>{"//", " home/", "  anna"}));

    w.open("/");
    EXPECT_EQ(f.Dir1.currentIndex(), 0);
    EXPECT_EQ(labels(f.Dir1), (std::vector<std::string>{"//", " home", " locked", " media"}));
}

TEST(ImportPanelTest, UnreadableFolderShowsNothingBelowIt)
{
    MemoryFileSystem m = anna();
    m.current = "/";
    Window w(m);
    FormModel& f = w.form;

    w.open("/locked");
    EXPECT_EQ(f.Dir1.path(), "/locked");
    EXPECT_EQ(labels(f.Dir1), (std::vector<std::string>{"//", " locked/"}));
    EXPECT_TRUE(f.File1.files().empty());
    EXPECT_EQ(f.File1.folder(), "/locked");

    // The way back up still works.
    w.open("/");
    EXPECT_EQ(f.Dir1.path(), "/");
}

TEST(ImportPanelTest, ClickEnablesOkOnlyOverAFilledList)
{
    MemoryFileSystem m = anna();
    Window w(m);
    FormModel& f = w.form;

    // A click beside the entries of a filled list counts too.
    w.controller.file1Click(-1);
    EXPECT_TRUE(f.okexternok.enabled());

    w.open("/home/anna/perm/2003");
    // Nothing but a folder change: OK stays as it was.
    EXPECT_TRUE(f.okexternok.enabled());
    w.controller.file1Click(-1);
    EXPECT_FALSE(f.okexternok.enabled());

    w.open("/home/anna/perm");
    EXPECT_FALSE(f.okexternok.enabled());
    w.choose("c.Txt");
    EXPECT_TRUE(f.okexternok.enabled());
}

TEST(ImportPanelTest, ImportThenAbbrPutsTheStartTextBack)
{
    MemoryFileSystem m = anna();
    Window w(m);
    FormModel& f = w.form;
    f.text.setCaption("Spielbank Hamburg\rTisch 4\rMontag");
    f.state.importmodus = 1;

    w.controller.okexternClick();
    EXPECT_TRUE(f.Frame1.visible());
    EXPECT_EQ(f.text.caption(), panelText);
    EXPECT_EQ(f.state.importmodus, 1);
    EXPECT_TRUE(f.okextern.enabled());
    EXPECT_FALSE(f.okabbrechen.enabled());

    w.controller.okexternabbruchClick();
    EXPECT_FALSE(f.Frame1.visible());
    EXPECT_EQ(f.text.caption(), startGuidanceText());
    EXPECT_EQ(f.state.importmodus, 0);
    EXPECT_TRUE(f.okextern.enabled());
}

TEST(ImportPanelTest, OkOnAFileThatIsNoPermanenceLeavesThePanelOpen)
{
    MemoryFileSystem m = anna();
    Window w(m);
    FormModel& f = w.form;
    w.controller.okexternClick();
    w.choose("A.TXT");

    w.controller.okexternokClick();
    EXPECT_TRUE(f.Frame1.visible());
    EXPECT_EQ(f.text.caption(), panelText);
    EXPECT_EQ(f.state.importmodus, 0);
    EXPECT_EQ(f.Label15.caption(), "");

    w.controller.okexternabbruchClick();
    EXPECT_FALSE(f.Frame1.visible());
}

TEST(ImportPanelTest, OkWithoutASelectedFileDoesNothing)
{
    MemoryFileSystem m = anna();
    Window w(m);
    FormModel& f = w.form;
    w.controller.okexternClick();
    w.choose("b.txt");
    w.open("/home/anna/perm/2003");
    w.open("/home/anna/perm");
    ASSERT_TRUE(f.okexternok.enabled());
    ASSERT_EQ(f.File1.selected(), -1);

    w.controller.okexternokClick();
    EXPECT_TRUE(f.Frame1.visible());
    EXPECT_EQ(f.text.caption(), panelText);
    EXPECT_EQ(f.state.importmodus, 0);
    EXPECT_TRUE(f.state.permanenz.empty());
}

TEST(ImportPanelTest, SuccessfulImportClosesThePanel)
{
    MemoryFileSystem m = anna();
    Window w(m);
    FormModel& f = w.form;
    w.controller.okexternClick();
    w.choose("b.txt");

    w.controller.okexternokClick();
    EXPECT_FALSE(f.Frame1.visible());
    EXPECT_EQ(f.Label15.caption(), "b.txt");
    EXPECT_FALSE(f.okextern.enabled());
    EXPECT_TRUE(f.okabbrechen.enabled());
    EXPECT_TRUE(f.okstart.enabled());
    EXPECT_EQ(f.textanzahl.text(), "3");
    EXPECT_EQ(f.state.importmodus, 1);
    EXPECT_EQ(f.text.caption(), "Spielbank Hamburg\rTisch 4\rMontag");
}

TEST(ImportPanelTest, ReopeningShowsTheLastState)
{
    MemoryFileSystem m = anna();
    Window w(m);
    FormModel& f = w.form;
    w.controller.okexternClick();
    w.controller.drive1Choose(1);
    w.open("/media/stick/data");
    w.choose("x.txt");
    w.controller.okexternokClick();
    ASSERT_FALSE(f.Frame1.visible());

    // Abbruch, confirmed, then Import again.
    w.controller.okabbrechenClick();
    ASSERT_TRUE(f.okextern.enabled());
    w.controller.okexternClick();

    EXPECT_EQ(f.Drive1.selected(), 1);
    EXPECT_EQ(f.Dir1.path(), "/media/stick/data");
    EXPECT_EQ(labels(f.Dir1), (std::vector<std::string>{"/media/stick/", " data/"}));
    EXPECT_EQ(f.File1.files(), std::vector<std::string>{"x.txt"});
    EXPECT_EQ(f.File1.selectedFile(), "x.txt");
    EXPECT_TRUE(f.okexternok.enabled());
}

// Real folders made for the test and removed afterwards.
class RealFolderTest : public ::testing::Test {
protected:
    // The machine's files, with the program started in the test's folder.
    class StartedIn : public RealFileSystem {
    public:
        explicit StartedIn(std::string folder) : folder_(std::move(folder)) {}
        std::string currentFolder() override { return folder_; }

    private:
        std::string folder_;
    };

    void SetUp() override
    {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = fs::temp_directory_path() /
                ("ravelin-import-" + std::to_string(::getpid()) + "-" + test->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "sub");
        fs::create_directories(root_ / "folder.txt");
        write("hh.txt", permanenceFile);
        write("ZWEI.TXT", "Spielbank\r\na\r\nb\r\nc\r\n5\r\n");
        write("liesmich.md", "");
        write("sub/tief.txt", permanenceFile);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(root_ / "sub", fs::perms::owner_all, ec);
        fs::remove_all(root_, ec);
    }

    void write(const std::string& name, const std::string& content)
    {
        std::ofstream(root_ / name, std::ios::binary) << content;
    }
    std::string root() const { return root_.string(); }

    fs::path root_;
};

TEST_F(RealFolderTest, ListsTheTextFilesOfTheFolder)
{
    StartedIn real(root());
    Window w(real);
    FormModel& f = w.form;

    EXPECT_EQ(f.Drive1.drives().front(), "/");
    EXPECT_EQ(f.Dir1.path(), root());
    const auto& entries = f.Dir1.entries();
    ASSERT_GE(entries.size(), 3u);
    EXPECT_EQ(entries[static_cast<std::size_t>(f.Dir1.currentIndex())].path, root());
    EXPECT_EQ(entries.back().path, root() + "/sub");
    EXPECT_FALSE(entries.back().open);
    // Neither the folder called folder.txt nor the other file.
    EXPECT_EQ(f.File1.files(), (std::vector<std::string>{"hh.txt", "ZWEI.TXT"}));

    w.open(root() + "/sub");
    EXPECT_EQ(f.File1.files(), std::vector<std::string>{"tief.txt"});
}

TEST_F(RealFolderTest, ImportsThroughThePanel)
{
    StartedIn real(root());
    Window w(real);
    FormModel& f = w.form;
    w.controller.okexternClick();
    w.choose("ZWEI.TXT");

    w.controller.okexternokClick();
    EXPECT_FALSE(f.Frame1.visible());
    EXPECT_EQ(f.Label15.caption(), "ZWEI.TXT");
    EXPECT_EQ(f.state.permanenz, (std::vector<double>{0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(f.textanzahl.text(), "1");
}

TEST_F(RealFolderTest, FolderGivenAsTheFileIsRefused)
{
    StartedIn real(root());
    Window w(real);
    FormModel& f = w.form;
    w.controller.okexternClick();
    // As if the list still showed a name that is a folder by now.
    fs::remove(root_ / "hh.txt");
    fs::create_directory(root_ / "hh.txt");
    w.choose("hh.txt");

    w.controller.okexternokClick();
    EXPECT_TRUE(f.Frame1.visible());
    EXPECT_EQ(f.text.caption(), panelText);
    EXPECT_EQ(f.state.importmodus, 0);
}

TEST_F(RealFolderTest, VanishedFolderShowsNothing)
{
    StartedIn real(root());
    Window w(real);
    FormModel& f = w.form;
    fs::remove_all(root_ / "sub");

    w.open(root() + "/sub");
    EXPECT_EQ(f.Dir1.path(), root() + "/sub");
    EXPECT_EQ(f.Dir1.entries().back().path, root() + "/sub");
    EXPECT_TRUE(f.File1.files().empty());
}

TEST_F(RealFolderTest, FolderWithoutReadPermissionShowsNothing)
{
    fs::permissions(root_ / "sub", fs::perms::none);
    if (RealFileSystem().listFolder(root() + "/sub").readable)
        GTEST_SKIP() << "permissions do not bind this user";
    StartedIn real(root());
    Window w(real);

    w.open(root() + "/sub");
    EXPECT_EQ(w.form.Dir1.entries().back().path, root() + "/sub");
    EXPECT_TRUE(w.form.File1.files().empty());
}

} // namespace
} // namespace ravelin
