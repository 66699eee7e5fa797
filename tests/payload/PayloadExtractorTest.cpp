#include "payload/CompressedHeader.h"
#include "payload/PayloadExtractor.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <windows.h>

namespace {

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class PayloadExtractorTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder = TempDirectory() + "payloadtest";
        Clean();
        CreateDirectoryA(folder.c_str(), nullptr);
        qxBefore = TempFilesNamedQX();
    }
    void TearDown() override
    {
        EXPECT_EQ(qxBefore, TempFilesNamedQX()) << "a temporary QX file was left behind";
        Clean();
    }
    void Clean()
    {
        for (const char* name : {"out.bin", "source.sz"})
            DeleteFileA((folder + "\\" + name).c_str());
        RemoveDirectoryA(folder.c_str());
    }

    std::string folder;
    std::set<std::string> qxBefore;
    PayloadExtractor extractor;
};

} // namespace

TEST_F(PayloadExtractorTest, ExpandsPayloadsOfEveryReadPattern)
{
    struct Case {
        unsigned short identifier;
        int original;
        size_t size;
    } cases[] = {{998, 9998, 8192}, {8003, 18003, 15872}, {8100, 18100, 700}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.identifier);
        std::string destination = folder + "\\out.bin";
        ASSERT_TRUE(extractor.ExtractPayload(c.identifier, destination.c_str()));
        std::string expanded = ReadFileBytes(destination);
        EXPECT_EQ(c.size, expanded.size());
        EXPECT_TRUE(expanded == RcDataBytes(c.original));
    }
}

TEST_F(PayloadExtractorTest, RewritesAnExistingDestination)
{
    // Creating over an existing file leaves ERROR_ALREADY_EXISTS as the last
    // error; a reinstall must not count that as a failure.
    std::string destination = folder + "\\out.bin";
    WriteFileBytes(destination, std::string(20000, 'x'));
    ASSERT_TRUE(extractor.ExtractPayload(998, destination.c_str()));
    EXPECT_TRUE(ReadFileBytes(destination) == RcDataBytes(9998));
}

TEST_F(PayloadExtractorTest, FailsWithoutLeavingFiles)
{
    std::string destination = folder + "\\out.bin";
    EXPECT_FALSE(extractor.ExtractPayload(8004, destination.c_str())) << "no such resource";
    EXPECT_FALSE(Exists(destination));

    std::string missingFolder = folder + "\\missing\\out.bin";
    EXPECT_FALSE(extractor.ExtractPayload(998, missingFolder.c_str()));
    EXPECT_FALSE(Exists(missingFolder));

    // LZ32 expands a truncated file without an error; the header's length catches it.
    EXPECT_FALSE(extractor.ExtractPayload(8101, destination.c_str()));
    EXPECT_FALSE(Exists(destination)) << "the partial destination is deleted";
}

TEST_F(PayloadExtractorTest, ExpandCompressedFileFromDisk)
{
    std::string source = folder + "\\source.sz";
    std::string destination = folder + "\\out.bin";
    EXPECT_FALSE(extractor.ExpandCompressedFile(source.c_str(), destination.c_str())) << "no source";
    EXPECT_FALSE(Exists(destination));

    // A COMPRESS file whose header promises more than it holds.
    std::string header("SZDD\x88\xF0\x27\x33" "A\0" "\x10\x00\x00\x00", 14);
    WriteFileBytes(source, header + std::string("\xFF" "abcdefgh", 9));
    EXPECT_FALSE(extractor.ExpandCompressedFile(source.c_str(), destination.c_str()));
    EXPECT_FALSE(Exists(destination));

    // The same with the right length: the eight literal bytes.
    header[10] = 8;
    WriteFileBytes(source, header + std::string("\xFF" "abcdefgh", 9));
    EXPECT_TRUE(extractor.ExpandCompressedFile(source.c_str(), destination.c_str()));
    EXPECT_EQ("abcdefgh", ReadFileBytes(destination));
}

TEST(CompressedHeader, ReadsTheExpandedLength)
{
    const unsigned char header[] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, 'A', 0, 0x08, 0x5E, 0x10, 0x00};
    unsigned long length = 0;
    EXPECT_TRUE(ReadExpandedLength(header, sizeof header, &length));
    EXPECT_EQ(1072648u, length);
    EXPECT_FALSE(ReadExpandedLength(header, 13, &length)) << "too short";
    unsigned char other[sizeof header];
    for (size_t i = 0; i < sizeof header; ++i)
        other[i] = header[i];
    other[8] = 'B';
    EXPECT_FALSE(ReadExpandedLength(other, sizeof other, &length)) << "another mode";
    other[8] = 'A';
    other[0] = 'M';
    EXPECT_FALSE(ReadExpandedLength(other, sizeof other, &length)) << "not the magic";
}
