#include "payload/RestartQueueText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Rewritten(std::string text)
{
    RewriteQueueKeys(&text[0], text.size());
    return text;
}

// Accepts exactly the path given as context.
bool IsExactly(const char* path, void* context)
{
    return *static_cast<std::string*>(context) == path;
}

// Accepts a path that contains the context text.
bool Contains(const char* path, void* context)
{
    return std::string(path).find(*static_cast<std::string*>(context)) != std::string::npos;
}

// A pending list from its strings: each terminated, then the final empty one.
std::string List(const std::vector<std::string>& strings)
{
    std::string list;
    for (const std::string& s : strings)
        list += s + '\0';
    return list + '\0';
}

} // namespace

TEST(RewriteQueueKeys, TurnsOurKeysIntoDeletions)
{
    struct Case {
        const char* before;
        const char* after;
    } cases[] = {
        {"[Rename]\r\nQX1=C:\\WINDOWS\\SYSTEM\\NETTOR~1.DLL\r\nQX2=C:\\WINDOWS\\AUCTIO~1.EXE\r\n",
         "[Rename]\r\nNUL=C:\\WINDOWS\\SYSTEM\\NETTOR~1.DLL\r\nNUL=C:\\WINDOWS\\AUCTIO~1.EXE\r\n"},
        // In any section, after blanks, with LF ends, any hexadecimal digit.
        {"[Other]\n  QXa=x\n\tQXF=y\n", "[Other]\n  NUL=x\n\tNUL=y\n"},
        // Not ours: another letter, lower case, not at the line start.
        {"QXZ=x\r\nqx1=y\r\nA=QX1\r\n", "QXZ=x\r\nqx1=y\r\nA=QX1\r\n"},
        // The last line needs no terminator; the last three bytes are still a key.
        {"A=1\r\nQX2", "A=1\r\nNUL"},
        {"QX1", "NUL"},
        // Too short for a key anywhere.
        {"QX", "QX"},
        {"\r\nQX", "\r\nQX"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        EXPECT_EQ(c.after, Rewritten(c.before));
    }
}

TEST(RewriteQueueKeys, NeverReadsOrWritesPastTheText)
{
    // "QX" in the last two bytes, with a hexadecimal digit just beyond the text.
    std::string buffer = "AB\nQX1";
    RewriteQueueKeys(&buffer[0], 5);
    EXPECT_EQ("AB\nQX1", buffer);
}

TEST(DeletionLinePath, TakesOnlyDeletionLines)
{
    struct Case {
        const char* line;
        const char* path; // null: not a deletion line
    } cases[] = {
        {"NUL=C:\\WINDOWS\\AUCTIO~1.EXE", "C:\\WINDOWS\\AUCTIO~1.EXE"},
        {"  nul = C:\\WINDOWS\\AUCTIO~1.EXE", "C:\\WINDOWS\\AUCTIO~1.EXE"},
        {"\tNuL\t=\tX  ", "X  "},
        {"NUL=", ""},
        {"NULL=C:\\X", nullptr},
        {"NU=C:\\X", nullptr},
        {"NUL", nullptr},
        {"NU", nullptr},
        {"", nullptr},
        {"QX1=C:\\X", nullptr},
        {"C:\\X=C:\\Y", nullptr},
        {"[Rename]", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const char* path = DeletionLinePath(c.line);
        if (c.path)
            EXPECT_STREQ(c.path, path);
        else
            EXPECT_EQ(nullptr, path);
    }
}

TEST(BlankDeletionLines, BlanksOnlyOurLinesAndKeepsTheLength)
{
    std::string ours = "C:\\WINDOWS\\AUCTIO~1.EXE";
    const std::string kLower = "nul = " + ours;  // lower case, blanks around "="
    const std::string kPlain = "NUL=" + ours;
    const std::string kOther = "NUL=C:\\WINDOWS\\OTHER.EXE";
    auto blanks = [](size_t count) { return std::string(count, ' '); };
    struct Case {
        std::string before;
        std::string after;
        bool changed;
    } cases[] = {
        // The CR goes with the line, the LF stays: same length, same line count.
        {"[Rename]\r\n" + kLower + "\r\n" + kOther + "\r\n",
         "[Rename]\r\n" + blanks(kLower.size() + 1) + "\n" + kOther + "\r\n", true},
        // Letter case of the path counts; a line that only names it is not a deletion.
        {"NUL=c:\\windows\\auctio~1.exe\r\nX=" + ours + "\r\n",
         "NUL=c:\\windows\\auctio~1.exe\r\nX=" + ours + "\r\n", false},
        // A last line without a terminator; LF-only ends.
        {"A\n" + kPlain, "A\n" + blanks(kPlain.size()), true},
        {kPlain + "\n" + kPlain + "\n", blanks(2 * kPlain.size() + 2), true},
        {"", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        std::string text = c.before;
        EXPECT_EQ(c.changed, BlankDeletionLines(&text[0], text.size(), IsExactly, &ours));
        EXPECT_EQ(c.after, text);
    }
}

TEST(BlankDeletionLines, ExaminesALongLineInPiecesWithoutLosingBytes)
{
    std::string ours = "C:\\X";
    // A 1,023-character first piece, then a deletion line that starts right after it.
    std::string text = std::string(kQueueLineCapacity - 1, 'A') + "NUL=C:\\X\r\nB\r\n";
    std::string expected = std::string(kQueueLineCapacity - 1, 'A') + "         \nB\r\n";
    EXPECT_TRUE(BlankDeletionLines(&text[0], text.size(), IsExactly, &ours));
    EXPECT_EQ(expected, text);
}

TEST(RemovePendingPairs, TakesOutOurPairsAndKeepsTheRest)
{
    std::string ours = "AuctionTorvinUninstall.exe";
    const std::string kFirst = "\\??\\C:\\a.tmp";
    const std::string kOurs = "\\??\\C:\\windows\\AuctionTorvinUninstall.exe";
    const std::string kThird = "\\??\\C:\\c.tmp";
    struct Case {
        const char* name;
        std::string before;
        std::string after;
        bool changed;
    } cases[] = {
        {"middle of three", List({kFirst, "", kOurs, "", kThird, ""}), List({kFirst, "", kThird, ""}), true},
        {"first and last", List({kOurs, "", kFirst, "", kOurs, ""}), List({kFirst, ""}), true},
        // A rename (non-empty target) is stepped over whole: its target is not taken for a source.
        {"rename before ours", List({kFirst, kOurs, kOurs, ""}), List({kFirst, kOurs}), true},
        {"none of ours", List({kFirst, "", kThird, "\\??\\C:\\d.tmp"}), List({kFirst, "", kThird, "\\??\\C:\\d.tmp"}),
         false},
        {"empty list", std::string(1, '\0'), std::string(1, '\0'), false},
        {"no bytes at all", std::string(), std::string(), false},
        // Malformed: a source without a target, then the data ends.
        {"source without target", List({kFirst, ""}).substr(0, kFirst.size() + 2) + kOurs + '\0',
         List({kFirst, ""}).substr(0, kFirst.size() + 2) + kOurs + '\0', false},
        // Malformed: no final empty string; the whole pairs are still walked.
        {"no final empty string", kOurs + '\0' + '\0' + kFirst + '\0' + '\0', kFirst + '\0' + '\0', true},
        // Malformed: an odd tail that is not a whole string is kept as it is.
        {"unterminated tail", kOurs + '\0' + '\0' + "C:\\tail", std::string("C:\\tail"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string buffer = c.before + "SENTINEL";
        unsigned long size = c.before.size();
        EXPECT_EQ(c.changed, RemovePendingPairs(&buffer[0], &size, Contains, &ours));
        ASSERT_EQ(c.after.size(), size);
        EXPECT_EQ(c.after, buffer.substr(0, size));
        EXPECT_EQ("SENTINEL", buffer.substr(buffer.size() - 8)) << "written past the list";
    }
}

TEST(RestartQueueText, HostileWininitKeepsEveryLineThatIsNotOurs)
{
    std::string ours = "C:\\WINDOWS\\AUCTIO~1.EXE";
    const std::string kOurLine = "NUL=" + ours;
    std::string binary("\x00\xff\x01QX1\x00NUL=\r", 10);
    struct Case {
        const char* name;
        std::string before;
        std::string after; // of BlankDeletionLines
    } cases[] = {
        {"binary bytes around our line", binary + "\n" + kOurLine + "\n" + binary,
         binary + "\n" + std::string(kOurLine.size() + 1, ' ') + binary},
        {"a 64 KiB line, then ours", std::string(65536, 'A') + "\r\n" + kOurLine,
         std::string(65536, 'A') + "\r\n" + std::string(kOurLine.size(), ' ')},
        {"no line end at all", std::string(5000, 'B'), std::string(5000, 'B')},
        {"our path inside a long line is not a line of ours", std::string(2000, 'C') + kOurLine,
         std::string(2000, 'C') + kOurLine},
        {"NUL lines that are not ours", "NUL=\r\nNUL = C:\\OTHER\r\n=NUL\r\n", "NUL=\r\nNUL = C:\\OTHER\r\n=NUL\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = c.before;
        BlankDeletionLines(&text[0], text.size(), IsExactly, &ours);
        EXPECT_TRUE(text == c.after);
        // The key rewrite touches only "QX" and a hexadecimal digit at a line start.
        std::string rewritten = c.before;
        RewriteQueueKeys(&rewritten[0], rewritten.size());
        ASSERT_EQ(c.before.size(), rewritten.size());
        for (size_t i = 0; i < rewritten.size(); ++i) {
            if (rewritten[i] != c.before[i]) {
                EXPECT_EQ(0, c.before.compare(i, 2, "QX")) << "changed at " << i;
                i += 2;
            }
        }
    }
}
