// SPDX-License-Identifier: GPL-3.0-or-later
// A long session of random user actions over the whole core, checking after
// every action what must hold whatever the user does. A failure names the
// seed and the action, so that
//   RAVELIN_RANDOM_SEED=<seed> ./test_random_session
// replays it; RAVELIN_RANDOM_ACTIONS sets how many actions run.

#include "board/wheel.h"
#include "import/permanence_import.h"
#include "import/permanence_reader.h"
#include "support/import_snapshot.h"
#include "support/scripted_platform.h"
#include "text/number_reading.h"
#include "window/run_mode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace ravelin {
namespace {

using testing::ImportSnapshot;
using testing::importSnapshot;
using testing::MemoryFileSystem;
using testing::ScriptedConfirmation;

constexpr std::uint64_t defaultSeed = 0x5EED2003;
constexpr long defaultActions = 200'000;
constexpr int logRows = wheel::logRows;
// The log's rows in view, and how many keys move its current row.
constexpr int logPage = 25;
constexpr int logKeyCount = static_cast<int>(RowKey::last) + 1;
const std::string endLine = "\r                    ***  ENDE  *** ";
const std::string permFolder = "/perm";
const std::vector<std::string> permFiles{"p0.txt", "p1.txt", "p2.txt", "p3.txt", "p4.txt"};

long fromEnvironment(const char* name, long fallback)
{
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        return fallback;
    return std::strtol(value, nullptr, 0);
}

// A small generator of our own, so that a seed gives the same session with
// every standard library.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        // splitmix64
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::uint64_t state_;
};

// The computer's spins: uniform, now and then the edges of [0, 1).
class RandomSpins : public SpinSource {
public:
    explicit RandomSpins(Random& random) : random_(random) {}
    float next() override
    {
        const int pick = random_.below(1000);
        if (pick == 0)
            return 0.0f;
        if (pick == 1)
            return std::nextafter(1.0f, 0.0f);
        return (static_cast<float>(random_.below(37)) + 0.5f) / 37.0f;
    }

private:
    Random& random_;
};

// --- Generated texts and files ------------------------------------------

std::string junkText(Random& r)
{
    static const std::string alphabet = "abcXYZ+-.,eEdD &%$\t\n\r0123456789";
    std::string t;
    const int n = r.between(1, 12);
    for (int i = 0; i < n; ++i)
        t += alphabet[static_cast<std::size_t>(r.below(static_cast<int>(alphabet.size())))];
    return t;
}

// What a user types or pastes into a number box.
std::string typedText(Random& r)
{
    switch (r.below(10)) {
    case 0:
        return junkText(r);
    case 1: // huge
        switch (r.below(4)) {
        case 0:
            return std::string(static_cast<std::size_t>(r.between(20, 400)), '9');
        case 1:
            return "1e308";
        case 2:
            return "1E999";
        default:
            return std::string(static_cast<std::size_t>(r.between(1000, 5000)), '7') + "x";
        }
    case 2: // fractional
        return std::to_string(r.below(60)) + "." + std::to_string(r.below(100));
    case 3:
        return "";
    case 4:
        return "-" + std::to_string(r.between(1, 100));
    case 5:
        return std::to_string(r.between(1, 200)) + junkText(r);
    case 6:
        return std::to_string(r.between(37, 400));
    case 7:
        return " " + std::to_string(r.between(1, 60)) + " ";
    default:
        return std::to_string(r.between(1, 60));
    }
}

std::string spinItem(Random& r)
{
    switch (r.below(40)) {
    case 0:
        return std::to_string(r.between(37, 100000)); // above 36
    case 1:
        return std::to_string(r.below(37)) + "." + std::to_string(r.below(10)); // fraction
    case 2:
        return r.chance(50) ? "1e999" : "-1e999"; // beyond a double, and a separator
    case 3:
        return r.chance(50) ? "inf" : "nan";
    case 4:
        return "";
    case 5:
        return "  " + std::to_string(r.below(37)) + " Rot";
    case 6:
        return "-------";
    case 7:
        return "\"" + std::to_string(r.below(37)) + "," + std::to_string(r.below(37)) + "\"";
    case 8:
        return std::to_string(r.below(37)) + "," + std::to_string(r.below(37));
    default:
        return std::to_string(r.below(37));
    }
}

std::string permanenceFile(Random& r)
{
    std::string f =
        "Spielbank Hamburg\r\nTisch " + std::to_string(r.below(9)) + "\r\nM\xE4rz 2003\r\nZahl\r\n";
    const int kind = r.below(100);
    if (kind < 8) // header only
        return f;
    if (kind < 14) { // junk bytes, now and then behind a valid header line
        std::string junk = r.chance(50) ? "Spielbank" : "";
        const int n = r.between(0, 300);
        for (int i = 0; i < n; ++i)
            junk += static_cast<char>(r.below(256));
        return junk;
    }
    if (kind < 18) // not a permanence
        return r.chance(50) ? std::string() : "spielbank hamburg\r\n1\r\n2\r\n3\r\n4\r\n5\r\n";

    // Now and then long enough to fill the whole spin log.
    const int spins = r.chance(3) ? r.between(15000, 16000) : r.between(0, 400);
    for (int i = 0; i < spins; ++i)
        f += spinItem(r) + "\r\n";
    if (r.chance(50))
        f += "=======\r\n17\r\n";
    if (kind < 30) // truncated anywhere
        f.resize(static_cast<std::size_t>(r.below(static_cast<int>(f.size()) + 1)));
    return f;
}

// --- What the test keeps beside the window --------------------------------

// Every kind of action, with its name in the summary: the one list that the
// enumeration, the count of kinds and the names are all made from, so that a
// new kind is counted and named as soon as it exists.
#define RAVELIN_ACTION_KINDS(KIND)                                                                 \
    KIND(Start, "Start")                                                                           \
    KIND(Mode, "mode")                                                                             \
    KIND(TypeCount, "count typed")                                                                 \
    KIND(KeyCount, "count keyed")                                                                  \
    KIND(TypeHalt, "halt typed")                                                                   \
    KIND(KeyHalt, "halt keyed")                                                                    \
    KIND(Mark, "mark")                                                                             \
    KIND(ResetMarks, "okresetl")                                                                   \
    KIND(Rearm, "Command1")                                                                        \
    KIND(Abort, "Abbruch")                                                                         \
    KIND(OpenPanel, "Import")                                                                      \
    KIND(ChooseFile, "File1")                                                                      \
    KIND(ChooseDrive, "Drive1")                                                                    \
    KIND(OpenFolder, "Dir1")                                                                       \
    KIND(ImportOk, "OK")                                                                           \
    KIND(PanelCancel, "Abbr.")                                                                     \
    KIND(Info, "Info")                                                                             \
    KIND(Exit, "Ende")                                                                             \
    KIND(LogKey, "log key")

#define RAVELIN_KIND_ENUMERATOR(kind, name) kind,
enum class Kind { RAVELIN_ACTION_KINDS(RAVELIN_KIND_ENUMERATOR) };
#undef RAVELIN_KIND_ENUMERATOR

#define RAVELIN_KIND_NAME(kind, name) name,
constexpr const char* kindNames[] = {RAVELIN_ACTION_KINDS(RAVELIN_KIND_NAME)};
#undef RAVELIN_KIND_NAME
#undef RAVELIN_ACTION_KINDS

constexpr std::size_t kindCount = std::size(kindNames);

struct Action {
    explicit Action(Kind k, int first = 0, int second = 0, std::string typed = {})
        : kind(k), a(first), b(second), text(std::move(typed))
    {
    }
    Kind kind;
    int a;
    int b;
    std::string text;
};

std::string describe(const Action& x)
{
    std::ostringstream o;
    switch (x.kind) {
    case Kind::Start:
        o << "Start";
        break;
    case Kind::Mode:
        o << "mode " << x.a;
        break;
    case Kind::TypeCount:
        o << "textanzahl := \"" << x.text.substr(0, 40) << "\"";
        break;
    case Kind::KeyCount:
        o << "key in textanzahl -> \"" << x.text.substr(0, 40) << "\"";
        break;
    case Kind::TypeHalt:
        o << "haltbei := \"" << x.text.substr(0, 40) << "\"";
        break;
    case Kind::KeyHalt:
        o << "key in haltbei -> \"" << x.text.substr(0, 40) << "\"";
        break;
    case Kind::Mark:
        o << "click tabelle1 (" << x.a << ", " << x.b << ")";
        break;
    case Kind::ResetMarks:
        o << "okresetl";
        break;
    case Kind::Rearm:
        o << "Command1";
        break;
    case Kind::Abort:
        o << "Abbruch, answer " << (x.a ? "Yes" : "No");
        break;
    case Kind::OpenPanel:
        o << "Import";
        break;
    case Kind::ChooseFile:
        o << "click File1 " << x.a;
        break;
    case Kind::ChooseDrive:
        o << "Drive1 " << x.a;
        break;
    case Kind::OpenFolder:
        o << "Dir1 entry " << x.a;
        break;
    case Kind::ImportOk:
        o << "OK on a file of " << x.text.size() << " bytes";
        break;
    case Kind::PanelCancel:
        o << "Abbr.";
        break;
    case Kind::Info:
        o << "Info";
        break;
    case Kind::Exit:
        o << "Ende, answer No";
        break;
    case Kind::LogKey:
        o << "key " << x.b << " on log row " << x.a;
        break;
    }
    return o.str();
}

bool isMarked(const FormModel& f, int n) { return f.tabelle1.colourAt(n, 0) == colour::lightGreen; }

double countSum(const FormModel& f)
{
    double sum = 0;
    for (int n = 0; n <= 36; ++n)
        sum += readNumber(f.tabelle1.textAt(n, 1));
    return sum;
}

bool isWheelNumberOrNone(std::int16_t v) { return (v >= 1 && v <= 36) || v == SessionState::none; }

class Session {
public:
    explicit Session(std::uint64_t seed)
        : random_(seed), spins_(random_), controller_(Platform{spins_, confirmation_, files_}),
          f_(controller_.form())
    {
    }

    static MemoryFileSystem makeFiles()
    {
        MemoryFileSystem m;
        m.current = permFolder;
        m.folders = {permFolder, permFolder + "/alt", "/leer"};
        m.unreadable = {"/leer"};
        m.mounts = {"/", "/leer"};
        for (const std::string& name : permFiles)
            m.files[std::string(permFolder).append("/").append(name)] = "";
        m.files[permFolder + "/alt/q.txt"] = "Spielbank\r\n1\r\n2\r\n3\r\n4\r\n5\r\n";
        m.files["/opt/ravelin/info_ravelin.txt"] = "{\\rtf1 {\\b Ravelin}\\par Info}";
        return m;
    }

    // Runs one action, or returns false when the window does not offer it now.
    bool perform(Action& x)
    {
        const bool panel = f_.Frame1.visible(); // covers the right-hand column
        switch (x.kind) {
        case Kind::Start:
            if (panel || !f_.okstart.enabled())
                return false;
            controller_.okstartClick();
            return true;
        case Kind::Mode:
            if (panel)
                return false;
            controller_.option1Click(x.a);
            return true;
        case Kind::TypeCount:
        case Kind::KeyCount:
            if (panel)
                return false;
            if (x.kind == Kind::KeyCount)
                x.text = keyed(f_.textanzahl.text());
            controller_.textanzahlEdited(x.text);
            return true;
        case Kind::TypeHalt:
        case Kind::KeyHalt:
            if (panel || !f_.haltbei.enabled())
                return false;
            if (x.kind == Kind::KeyHalt)
                x.text = keyed(f_.haltbei.text());
            controller_.haltbeiEdited(x.text);
            return true;
        case Kind::Mark:
            controller_.tabelle1Click(x.a, x.b);
            return true;
        case Kind::ResetMarks:
            controller_.okresetlClick();
            return true;
        case Kind::Rearm:
            controller_.command1Click();
            return true;
        case Kind::Abort:
            if (panel || !f_.okabbrechen.enabled())
                return false;
            confirmation_.answers.push_back(x.a != 0);
            controller_.okabbrechenClick();
            return true;
        case Kind::OpenPanel:
            if (panel || !f_.okextern.enabled())
                return false;
            controller_.okexternClick();
            return true;
        case Kind::ChooseFile:
        case Kind::ChooseDrive:
        case Kind::OpenFolder:
        case Kind::ImportOk:
        case Kind::PanelCancel:
            return panel && performInPanel(x);
        case Kind::Info:
            if (random_.chance(20))
                files_.files.erase("/opt/ravelin/info_ravelin.txt");
            else
                files_.files["/opt/ravelin/info_ravelin.txt"] = "Ravelin\r\nZeile \xE4";
            controller_.okinfoClick();
            return true;
        case Kind::Exit:
            if (panel)
                return false;
            confirmation_.answers.push_back(false);
            controller_.okendeClick();
            return true;
        case Kind::LogKey:
            // The info viewer covers the log.
            if (f_.infotext.visible())
                return false;
            controller_.tabelle3Key(x.a, static_cast<RowKey>(x.b), logPage);
            return true;
        }
        return false;
    }

    // The actions of the import panel, while it is shown.
    bool performInPanel(Action& x)
    {
        switch (x.kind) {
        case Kind::ChooseFile:
            x.a = f_.File1.files().empty()
                      ? 0
                      : random_.below(static_cast<int>(f_.File1.files().size()));
            controller_.file1Click(x.a);
            return true;
        case Kind::ChooseDrive:
            controller_.drive1Choose(x.a);
            return true;
        case Kind::OpenFolder:
            if (f_.Dir1.entries().empty())
                return false;
            x.a = random_.below(static_cast<int>(f_.Dir1.entries().size()));
            controller_.dir1Open(x.a);
            return true;
        case Kind::ImportOk:
            return f_.okexternok.enabled() && importFile(x);
        case Kind::PanelCancel:
            controller_.okexternabbruchClick();
            return true;
        default:
            return false;
        }
    }

    // The user's moods: a long stretch of pressing Start, a stretch of
    // fiddling with everything, a stretch in the import panel. Each lasts a
    // while, so that runs get long enough for rotations and a full spin log.
    enum class Mood { Run, Marathon, Fiddle, Import };

    Action pick()
    {
        if (moodLeft_ <= 0)
            newMood();
        --moodLeft_;
        if (!pending_.empty()) {
            Action x = std::move(pending_.front());
            pending_.erase(pending_.begin());
            return x;
        }
        if (mood_ == Mood::Marathon)
            return Action(Kind::Start);
        if (mood_ == Mood::Run) {
            const int p = random_.below(1000);
            if (p < 920)
                return Action(Kind::Start);
            if (p < 930)
                return logKey();
            if (p < 960)
                return Action(Kind::Mark, random_.below(wheel::numberCount),
                              random_.below(f_.tabelle1.cols()));
            if (p < 970)
                return Action(Kind::Rearm);
            if (p < 980)
                return Action(Kind::Mode, random_.below(OptionGroup::count));
            if (p < 990)
                return Action(Kind::KeyCount);
            if (p < 997)
                return Action(Kind::TypeHalt, 0, 0, std::to_string(random_.between(1, 3000)));
            return Action(Kind::Abort, random_.below(2));
        }
        if (mood_ == Mood::Import) {
            const int p = random_.below(100);
            if (p < 15)
                return Action(Kind::OpenPanel);
            if (p < 40)
                return Action(Kind::ChooseFile);
            if (p < 45)
                return Action(Kind::ChooseDrive, random_.below(2));
            if (p < 55)
                return Action(Kind::OpenFolder);
            if (p < 85)
                return Action(Kind::ImportOk);
            if (p < 90)
                return Action(Kind::PanelCancel);
            if (p < 95)
                return Action(Kind::Abort, 1);
            return Action(Kind::Start);
        }
        return fiddle();
    }

    void newMood()
    {
        const int p = random_.below(100);
        mood_ = p < 50 ? Mood::Run : p < 85 ? Mood::Fiddle : Mood::Import;
        moodLeft_ = random_.between(20, mood_ == Mood::Run ? 4000 : 600);
        if (mood_ == Mood::Run && random_.chance(4)) {
            // Now and then a marathon: Start alone until the spin log is full and beyond.
            mood_ = Mood::Marathon;
            moodLeft_ = 16000;
            pending_.emplace_back(Kind::TypeCount, 0, 0, "1e308");
            pending_.emplace_back(Kind::Mode, random_.below(OptionGroup::count));
            return;
        }
        if (mood_ != Mood::Run)
            return;
        // A run is set up first: a spin count, often a long one, and a mode.
        if (random_.chance(70)) {
            const int c = random_.below(10);
            const std::string count = c == 0   ? "1e308"
                                      : c == 1 ? std::to_string(random_.between(25000, 999999))
                                      : c < 4  ? std::to_string(random_.between(100, 20000))
                                               : std::to_string(random_.between(1, 300));
            pending_.emplace_back(Kind::TypeCount, 0, 0, count);
        }
        const int m = random_.below(10);
        pending_.emplace_back(Kind::Mode, m < 4   ? runmode::rotation37
                                          : m < 6 ? runmode::einzelschritt
                                          : m < 8 ? runmode::durchlauf
                                                  : runmode::haltBeiWurf);
        if (m >= 8)
            pending_.emplace_back(Kind::TypeHalt, 0, 0, std::to_string(random_.between(1, 20000)));
    }

    Action fiddle()
    {
        const int p = random_.below(1000);
        Action x(Kind::Start);
        if (p < 360)
            x.kind = Kind::Start;
        else if (p < 380)
            x = logKey();
        else if (p < 460)
            x = Action(Kind::Mode, random_.below(OptionGroup::count));
        else if (p < 520)
            x = Action(Kind::TypeCount, 0, 0, typedText(random_));
        else if (p < 580)
            x = Action(Kind::KeyCount);
        else if (p < 610)
            x = Action(Kind::TypeHalt, 0, 0, typedText(random_));
        else if (p < 640)
            x = Action(Kind::KeyHalt);
        else if (p < 720)
            x = Action(Kind::Mark, random_.below(wheel::numberCount),
                       random_.below(f_.tabelle1.cols()));
        else if (p < 735)
            x = Action(Kind::ResetMarks);
        else if (p < 760)
            x = Action(Kind::Rearm);
        else if (p < 800)
            x = Action(Kind::Abort, random_.below(2));
        else if (p < 840)
            x = Action(Kind::OpenPanel);
        else if (p < 870)
            x = Action(Kind::ChooseFile);
        else if (p < 880)
            x = Action(Kind::ChooseDrive, random_.below(2));
        else if (p < 895)
            x = Action(Kind::OpenFolder);
        else if (p < 960)
            x = Action(Kind::ImportOk);
        else if (p < 980)
            x = Action(Kind::PanelCancel);
        else if (p < 990)
            x = Action(Kind::Info);
        else
            x = Action(Kind::Exit);
        return x;
    }

    // A key on a row of the log: mostly near its entries, now and then on a
    // row far below them, where a click may have left the current row.
    Action logKey()
    {
        const int near = f_.tabelle3.rowsInUse() + random_.between(-30, 3);
        const int from =
            random_.chance(90) ? std::clamp(near, 0, logRows - 1) : random_.below(logRows);
        return Action(Kind::LogKey, from, random_.below(logKeyCount));
    }

    struct Before {
        std::int16_t kombiwurf;
        std::int16_t schritt;
        std::int16_t rotationen;
        std::string textanzahl;
        ImportSnapshot import;
    };

    // Checks what must hold after every action; gives what is wrong, or nothing.
    std::string check(const Action& x, const Before& before);
    // The parts of the check, each adding what it finds wrong to `why`.
    void checkValues(std::ostream& why) const;
    void checkFirstAppearances(std::ostream& why) const;
    void checkCounts(const Action& x, const Before& before, bool restarted, std::ostream& why);
    void checkCandidates(const Action& x, const Before& before, bool restarted, std::ostream& why);
    void checkDisplays(std::ostream& why) const;
    void checkInputs(const Action& x, const Before& before, bool restarted, std::ostream& why);
    void checkImport(const Action& x, const Before& before, std::ostream& why);
    void checkLogKey(const Action& x, std::ostream& why) const;

    Before before() const
    {
        Before b{
            f_.state.kombiwurf, f_.state.schritt, f_.state.rotationen, f_.textanzahl.text(), {}};
        if (f_.Frame1.visible())
            b.import = importSnapshot(f_);
        return b;
    }

private:
    // One key: a character typed at the end, or the last or first one deleted.
    std::string keyed(std::string text)
    {
        static const std::string keys = "0123456789.,-+ eEa";
        const int what = random_.below(10);
        if (what < 7)
            text += keys[static_cast<std::size_t>(random_.below(static_cast<int>(keys.size())))];
        else if (!text.empty() && what < 9)
            text.pop_back();
        else if (!text.empty())
            text.erase(0, 1);
        return text;
    }

    bool importFile(Action& x)
    {
        const std::string& name = f_.File1.selectedFile();
        x.text = permanenceFile(random_);
        if (!name.empty())
            files_.files[pathOf(name)] = x.text;
        // An unreadable file now and then: it vanished after the list was read.
        if (!name.empty() && random_.chance(3)) {
            files_.files.erase(pathOf(name));
            x.text.clear();
            unreadable_ = true;
        } else {
            unreadable_ = name.empty();
        }
        controller_.okexternokClick();
        if (!name.empty() && unreadable_)
            files_.files[pathOf(name)] = "";
        return true;
    }

    std::string pathOf(const std::string& name) const
    {
        const std::string& folder = f_.Dir1.path();
        return folder == "/" ? "/" + name : folder + "/" + name;
    }

    Random random_;
    RandomSpins spins_;
    ScriptedConfirmation confirmation_;
    MemoryFileSystem files_ = makeFiles();
    FormController controller_;
    FormModel& f_;

public:
    // How far the session got, for the summary.
    struct Reach {
        long composed = 0, runEnds = 0, rotationClears = 0, restarts = 0, importsTaken = 0,
             importsRefused = 0, fullLogs = 0, rotations = 0;
    } reach;

private:
    Mood mood_ = Mood::Fiddle;
    int moodLeft_ = 0;
    std::vector<Action> pending_;
    bool unreadable_ = false;
    // Composed numbers counted since the frequency grid was last cleared.
    double counted_ = 0;
    // A positive spin count has been entered since the run last ended or was
    // set back, so Start may be enabled.
    bool startAllowed_ = false;
    // The candidate cells of tabelle1 painted since the last triple start,
    // one bit per row: column 2, column 3.
    std::uint64_t painted_[2] = {0, 0};

    void notePainted(const Before& before);
};

// Follows from the state which phases of the press painted: a triple start
// clears and may begin with its six-group, a column phase adds its pair, and
// a colour phase may go on into the next triple's six-group.
void Session::notePainted(const Before& before)
{
    const SessionState& s = f_.state;
    const auto group = [&] {
        for (int row = 6 * s.aktsechser - 5; row <= 6 * s.aktsechser; ++row)
            painted_[1] |= std::uint64_t{1} << row;
    };
    if (before.kombiwurf >= logRows)
        return; // the press only ends the run
    if (before.schritt == 1) {
        if (s.schritt == 2) {
            const int pair = 6 * s.aktsechser - 5 + 2 * s.aktkolonne;
            painted_[0] |= std::uint64_t{3} << (pair - 2);
        }
    } else if (before.schritt == 2) {
        // The row after the one just composed is written by nothing but
        // the next six-group phase.
        if (s.kombiwurf > before.kombiwurf && !f_.tabelle3.textAt(s.kombiwurf, 1).empty())
            group();
    } else {
        painted_[0] = painted_[1] = 0;
        if (f_.okstart.enabled())
            group();
    }
}

std::string Session::check(const Action& x, const Before& before)
{
    std::ostringstream why;
    const bool restarted = x.kind == Kind::Abort && x.a != 0;
    checkValues(why);
    checkFirstAppearances(why);
    checkCounts(x, before, restarted, why);
    checkCandidates(x, before, restarted, why);
    checkDisplays(why);
    checkInputs(x, before, restarted, why);
    checkImport(x, before, why);
    checkLogKey(x, why);
    return why.str();
}

void Session::checkValues(std::ostream& why) const
{
    const SessionState& s = f_.state;

    if (s.schritt < 0 || s.schritt > 3)
        why << "schritt " << s.schritt << "; ";
    if (s.importmodus != 0 && s.importmodus != 1)
        why << "importmodus " << s.importmodus << "; ";
    if (s.kombiwurf < 0 || s.kombiwurf > logRows)
        why << "kombiwurf " << s.kombiwurf << "; ";
    if (!isWheelNumberOrNone(s.vorzahl))
        why << "vorzahl " << s.vorzahl << "; ";
    if (!isWheelNumberOrNone(s.paarzahl))
        why << "paarzahl " << s.paarzahl << "; ";
    if (s.paarstatus != 0 && s.paarstatus != 1 && s.paarstatus != SessionState::none)
        why << "paarstatus " << s.paarstatus << "; ";
    for (std::int16_t flag : {s.doppeltgesehen, s.paargesehen, s.dreifachgesehen})
        if (flag != 0 && flag != 1)
            why << "flag " << flag << "; ";
    if (s.rotzaehler < 0 || s.rotzaehler > 38 || s.rotationen < 0 || s.rotwurf < 0)
        why << "rotation counters " << s.rotzaehler << "/" << s.rotationen << "/" << s.rotwurf
            << "; ";
    // Everything that indexes a board table, a grid row or the permanence.
    if (s.wurfzahl < 0 || s.wurfzahl > 36 || s.aktsechser < 0 || s.aktsechser > 6 ||
        s.aktkolonne < 0 || s.aktkolonne > 3 || s.aktfarbe < 0 || s.aktfarbe > 2 || s.zahl < 0 ||
        s.zahl > 36)
        why << "triple " << s.wurfzahl << " " << s.aktsechser << " " << s.aktkolonne << " "
            << s.aktfarbe << " " << s.zahl << "; ";
    if (!(s.wurfnummer >= 0) || !std::isfinite(s.wurfanzahl) || !std::isfinite(s.haltwurf))
        why << "spin counts " << s.wurfnummer << " " << s.wurfanzahl << " " << s.haltwurf << "; ";
    if (s.importmodus == 1 && s.permanenz.size() < 21)
        why << "replay of " << s.permanenz.size() << " slots; ";
}

void Session::checkFirstAppearances(std::ostream& why) const
{
    const SessionState& s = f_.state;
    // First appearances belong to marked numbers, and lie within the run.
    for (int n = 0; n <= 36; ++n) {
        const std::string_view cell = f_.tabelle2.textAt(n, 0);
        if (!cell.empty() && !isMarked(f_, n))
            why << "tabelle2 row " << n << " \"" << cell << "\" unmarked; ";
        if (readNumber(cell) > s.wurfnummer)
            why << "tabelle2 row " << n << " \"" << cell << "\" beyond spin " << s.wurfnummer
                << "; ";
    }
}

void Session::checkCounts(const Action& x, const Before& before, bool restarted, std::ostream& why)
{
    const SessionState& s = f_.state;
    // The counts add up to the composed numbers since the last clear: a
    // restart, or a rotation clear (which comes after any count of its press).
    const double sum = countSum(f_);
    if (restarted) {
        ++reach.restarts;
        counted_ = 0;
        if (s.kombiwurf != 0)
            why << "kombiwurf " << s.kombiwurf << " after restart; ";
    } else {
        if (s.kombiwurf < before.kombiwurf)
            why << "kombiwurf fell from " << before.kombiwurf << " to " << s.kombiwurf << "; ";
        counted_ += s.kombiwurf - before.kombiwurf;
        if (sum == 0 && counted_ != 0 && x.kind == Kind::Start && s.rotzaehler >= 37) {
            counted_ = 0;
            ++reach.rotationClears;
        }
        reach.composed += s.kombiwurf - before.kombiwurf;
        if (s.kombiwurf == logRows && before.kombiwurf < logRows)
            ++reach.fullLogs;
        if (s.rotationen > before.rotationen)
            ++reach.rotations;
    }
    if (sum != counted_)
        why << "counts add up to " << sum << ", composed since the last clear " << counted_ << "; ";
}

void Session::checkCandidates(const Action& x, const Before& before, bool restarted,
                              std::ostream& why)
{
    // Blue are exactly the candidates painted since the last triple start.
    if (restarted)
        painted_[0] = painted_[1] = 0;
    if (x.kind == Kind::Start)
        notePainted(before);
    for (int col : {2, 3})
        for (int n = 0; n <= 36; ++n)
            if ((f_.tabelle1.colourAt(n, col) == colour::candidateBlue) !=
                ((painted_[col - 2] >> n & 1) != 0))
                why << "tabelle1 (" << n << ", " << col << ") "
                    << (painted_[col - 2] >> n & 1 ? "not blue" : "blue") << "; ";
}

void Session::checkDisplays(std::ostream& why) const
{
    const SessionState& s = f_.state;
    // The log and the displays of the last composed number.
    if (s.kombiwurf > 0) {
        const std::string number = std::to_string(s.zahl);
        if (f_.tabelle3.textAt(s.kombiwurf - 1, 0) != number || f_.lzahl.caption() != number ||
            f_.Lreal.caption() != std::to_string(s.kombiwurf) || s.zahl < 1)
            why << "log row " << s.kombiwurf - 1 << " \"" << f_.tabelle3.textAt(s.kombiwurf - 1, 0)
                << "\", lzahl \"" << f_.lzahl.caption() << "\", Lreal \"" << f_.Lreal.caption()
                << "\"; ";
    } else if (!f_.Lreal.caption().empty() || !f_.lzahl.caption().empty()) {
        why << "displays without a composed number; ";
    }
    if (!f_.tabelle3.textAt(s.kombiwurf, 0).empty())
        why << "log row " << s.kombiwurf << " already has a number; ";
    // Each logged spin is a number of the wheel with its group, column or colour.
    for (int row = std::max(s.kombiwurf - 1, 0); row <= s.kombiwurf && row < wheel::logRows; ++row)
        for (int col = 1; col <= 3; ++col) {
            const std::string_view cell = f_.tabelle3.textAt(row, col);
            if (cell.empty())
                continue;
            const double spin = readNumber(cell);
            const auto& table = col == 1   ? f_.board.sechser
                                : col == 2 ? f_.board.kolonne
                                           : f_.board.farbe;
            if (!(spin >= 1 && spin <= wheel::lastNumber) ||
                cell != std::to_string(static_cast<int>(spin)) + "/" +
                            std::to_string(table[static_cast<std::size_t>(spin)]))
                why << "log (" << row << ", " << col << ") \"" << cell << "\"; ";
        }
}

void Session::checkInputs(const Action& x, const Before& before, bool restarted, std::ostream& why)
{
    const SessionState& s = f_.state;
    // The input boxes never keep a text that does not read as positive, and
    // a shown spin count is the wanted one.
    const double count = readNumber(f_.textanzahl.text());
    if (!f_.textanzahl.text().empty() && !(count > 0))
        why << "textanzahl keeps \"" << f_.textanzahl.text() << "\"; ";
    if (!f_.textanzahl.text().empty() && count != s.wurfanzahl)
        why << "textanzahl reads " << count << ", wurfanzahl " << s.wurfanzahl << "; ";
    if (!f_.haltbei.text().empty() && !(readNumber(f_.haltbei.text()) > 0))
        why << "haltbei keeps \"" << f_.haltbei.text() << "\"; ";
    if (f_.haltbei.enabled() != f_.Option1.isSelected(runmode::haltBeiWurf))
        why << "haltbei enabled " << f_.haltbei.enabled() << " in mode " << f_.Option1.selected()
            << "; ";
    if (!f_.haltbei.enabled() && !f_.haltbei.text().empty())
        why << "disabled haltbei shows \"" << f_.haltbei.text() << "\"; ";
    if (x.kind == Kind::Mode && f_.Option1.isSelected(runmode::rotation37) &&
        s.wurfanzahl - s.wurfnummer < 37)
        why << "Rotation/37 chosen with " << s.wurfanzahl - s.wurfnummer << " spins to come; ";

    // Start: disabled after a run end until a positive count is entered.
    if (f_.textanzahl.text() != before.textanzahl) {
        startAllowed_ = count > 0;
        if (count > 0 && !f_.okstart.enabled() && x.kind != Kind::Start)
            why << "positive count entered, Start still disabled; ";
    }
    if (restarted)
        startAllowed_ = false;
    // A press says what it did: the cells it wrote, and "Ende" last exactly
    // when it ended the run.
    if (x.kind == Kind::Start) {
        const std::string& words = f_.announcement.words();
        const bool saysEnd = words.size() >= 4 && words.compare(words.size() - 4, 4, "Ende") == 0;
        if (words.empty() || saysEnd == f_.okstart.enabled())
            why << "a press said \"" << words << "\" with Start "
                << (f_.okstart.enabled() ? "enabled" : "disabled") << "; ";
    }
    if (x.kind == Kind::Start && !f_.okstart.enabled()) {
        ++reach.runEnds;
        startAllowed_ = false;
        const std::string& text = f_.text.caption();
        if (text.size() < endLine.size() ||
            text.compare(text.size() - endLine.size(), endLine.size(), endLine) != 0)
            why << "run ended without the end line; ";
        if (f_.okstart.caption() != "Start" || f_.okstart.backColour() != colour::startGreen)
            why << "Start at the end \"" << f_.okstart.caption() << "\" " << f_.okstart.backColour()
                << "; ";
    }
    if (f_.okstart.enabled() && !startAllowed_)
        why << "Start enabled without a positive count since the run ended; ";
}

// A key on the log lands on an entry, or on the first row before there is
// one; Ctrl+End lands on the last entry, the one with none below it.
void Session::checkLogKey(const Action& x, std::ostream& why) const
{
    if (x.kind != Kind::LogKey)
        return;
    const GridModel& log = f_.tabelle3;
    const int row = log.currentRow();
    const auto written = [&log](int r) {
        for (int col = 0; col < log.cols(); ++col)
            if (!log.textAt(r, col).empty())
                return true;
        return false;
    };
    if (row < 0 || (row > 0 && !written(row)))
        why << "a log key landed on row " << row << " of " << log.rowsInUse() << " entries; ";
    if (static_cast<RowKey>(x.b) == RowKey::last && (row + 1 < logRows && written(row + 1)))
        why << "Ctrl+End left the log on row " << row << " above an entry; ";
}

void Session::checkImport(const Action& x, const Before& before, std::ostream& why)
{
    const SessionState& s = f_.state;
    // An import either takes the file whole or changes nothing.
    if (x.kind == Kind::ImportOk) {
        const std::optional<Permanence> read = unreadable_ ? std::nullopt : readPermanence(x.text);
        ++(read ? reach.importsTaken : reach.importsRefused);
        if (!read) {
            if (importSnapshot(f_) != before.import)
                why << "a refused import changed the window; ";
        } else {
            const std::size_t n = read->spins.size();
            if (s.importmodus != 1 || s.permanenz.size() != 1 + n + trailingSlots ||
                s.importanzahl != static_cast<double>(n) || f_.Frame1.visible() ||
                f_.okextern.enabled() || !f_.okabbrechen.enabled() ||
                f_.textanzahl.text() != (n > 0 ? std::to_string(n) : std::string()))
                why << "import of " << n << " spins left " << s.permanenz.size()
                    << " slots, textanzahl \"" << f_.textanzahl.text() << "\"; ";
            else
                for (std::size_t i = 0; i < s.permanenz.size(); ++i) {
                    const double expected = i >= 1 && i <= n ? read->spins[i - 1] : 0.0;
                    if (!(s.permanenz[i] == expected))
                        why << "slot " << i << " holds " << s.permanenz[i] << "; ";
                }
        }
    }
}

TEST(RandomSessionTest, EveryActionKeepsTheWindowSound)
{
    const auto seed =
        static_cast<std::uint64_t>(fromEnvironment("RAVELIN_RANDOM_SEED", defaultSeed));
    const long wanted = fromEnvironment("RAVELIN_RANDOM_ACTIONS", defaultActions);
    Session session(seed);

    long executed = 0;
    long attempts = 0;
    std::vector<long> perKind(kindCount, 0);
    while (executed < wanted && attempts < 20 * wanted) {
        ++attempts;
        Action x = session.pick();
        const Session::Before before = session.before();
        if (!session.perform(x))
            continue;
        const std::string wrong = session.check(x, before);
        if (!wrong.empty()) {
            FAIL() << "seed " << seed << ", action " << executed << " (" << describe(x)
                   << "): " << wrong << "\nreplay: RAVELIN_RANDOM_SEED=" << seed
                   << " RAVELIN_RANDOM_ACTIONS=" << executed + 1;
        }
        ++perKind[static_cast<std::size_t>(x.kind)];
        ++executed;
    }
    EXPECT_EQ(executed, wanted) << "the window offered too few actions";
    std::printf("seed %llu, %ld actions:\n", static_cast<unsigned long long>(seed), executed);
    for (std::size_t k = 0; k < perKind.size(); ++k)
        std::printf("  %-12s %7ld\n", kindNames[k], perKind[k]);
    const Session::Reach& r = session.reach;
    std::printf("  composed %ld, run ends %ld, restarts %ld, rotations %ld, rotation clears %ld,\n"
                "  full spin logs %ld, imports taken %ld, refused %ld\n",
                r.composed, r.runEnds, r.restarts, r.rotations, r.rotationClears, r.fullLogs,
                r.importsTaken, r.importsRefused);

    // Every kind of action has been taken a fair number of times, and the
    // session has been where the faults would hide.
    for (std::size_t k = 0; k < perKind.size(); ++k)
        EXPECT_GT(perKind[k], wanted / 2000) << kindNames[k];
    if (wanted >= defaultActions) {
        EXPECT_GT(r.runEnds, 100);
        EXPECT_GT(r.rotations, 10);
        EXPECT_GT(r.rotationClears, 10);
        EXPECT_GT(r.fullLogs, 0);
        EXPECT_GT(r.importsTaken, 100);
        EXPECT_GT(r.importsRefused, 100);
    }
}

} // namespace
} // namespace ravelin
