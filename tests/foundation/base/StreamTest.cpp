#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ScratchDir.h"
#include "foundation/base/DataStream.h"

namespace {

TEST(FileStreamTest, OpenModes)
{
    struct Case
    {
        unsigned long flags;
        const char* mode;
    };
    const Case cases[] = {
        {FileStream::OPEN_READ, "r"},
        {FileStream::OPEN_WRITE, "w"},
        {FileStream::OPEN_APPEND, "a"},
        {FileStream::OPEN_READ | FileStream::OPEN_WRITE, "r+"},
        {FileStream::OPEN_WRITE | FileStream::OPEN_BINARY, "wb"},
        {FileStream::OPEN_READ | FileStream::OPEN_BINARY, "rb"},
        {0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileStream::ModeString(c.flags), c.mode) << c.flags;

    ScratchDir dir;
    FileStream none;
    EXPECT_FALSE(none.Open((dir / "x").c_str(), FileStream::OPEN_BINARY));
    EXPECT_FALSE(none.Open((dir / "missing").c_str(), FileStream::OPEN_READ));
}

TEST(FileStreamTest, WriteAppendReadBack)
{
    ScratchDir dir;
    const std::string path = dir / "data.bin";
    {
        FileStream out;
        ASSERT_TRUE(out.Open(path.c_str(), FileStream::OPEN_WRITE | FileStream::OPEN_BINARY));
        out << 1.0f << static_cast<unsigned short>(0x1234) << -2 << 'A';
    }
    {
        FileStream more;
        ASSERT_TRUE(more.Open(path.c_str(), FileStream::OPEN_APPEND | FileStream::OPEN_BINARY));
        more << std::string("end");
    }
    EXPECT_EQ(dir.Read("data.bin"), std::string("\x00\x00\x80\x3f\x34\x12\xfe\xff\xff\xff"
                                                "Aend",
                                                14));

    FileStream in;
    ASSERT_TRUE(in.Open(path.c_str(), FileStream::OPEN_READ | FileStream::OPEN_BINARY));
    EXPECT_EQ(in.GetSize(), 14u);
    float f = 0;
    unsigned short s = 0;
    int i = 0;
    char c = 0;
    in >> f >> s >> i >> c;
    EXPECT_EQ(f, 1.0f);
    EXPECT_EQ(s, 0x1234);
    EXPECT_EQ(i, -2);
    EXPECT_EQ(c, 'A');
    EXPECT_EQ(in.GetPos(), 11u);
    EXPECT_TRUE(in.Seek(static_cast<unsigned long>(-3), SEEK_FROM_END));
    std::string tail;
    in.ReadString(tail, '\n');
    EXPECT_EQ(tail, "end");
    EXPECT_TRUE(in.IsEof());
}

TEST(FileStreamTest, ReadStringConsumesDelimiterAndKeepsByteFF)
{
    ScratchDir dir;
    dir.Write("text.txt", "ab\ncd\xff"
                          "ef");
    FileStream in;
    ASSERT_TRUE(in.Open((dir / "text.txt").c_str(), FileStream::OPEN_READ));
    std::string line;
    EXPECT_EQ(in.ReadString(line, '\n'), 2u);
    EXPECT_EQ(line, "ab");
    EXPECT_EQ(in.ReadString(line, '\n'), 5u);
    EXPECT_EQ(line, "cd\xff"
                    "ef");
    EXPECT_EQ(in.ReadString(line, '\n'), 0u);
}

TEST(FileStreamTest, BoundedReadIntoBufferSkipsWhatDoesNotFit)
{
    ScratchDir dir;
    dir.Write("lines.txt", "a very long first line\nsecond\n");
    FileStream in;
    ASSERT_TRUE(in.Open((dir / "lines.txt").c_str(), FileStream::OPEN_READ));
    char small[8];
    EXPECT_EQ(in.ReadString(small, sizeof(small), '\n'), 7u);
    EXPECT_STREQ(small, "a very ");
    in >> small; // array form is bounded by the array
    EXPECT_STREQ(small, "second\n");
}

TEST(FileStreamTest, TruncatedFileReadsOnlyWhatIsThere)
{
    ScratchDir dir;
    dir.Write("short.bin", std::string("\x01\x02", 2));
    FileStream in;
    ASSERT_TRUE(in.Open((dir / "short.bin").c_str(), FileStream::OPEN_READ | FileStream::OPEN_BINARY));
    unsigned char buffer[8] = {};
    EXPECT_EQ(in.ReadData(buffer, sizeof(buffer)), 2u);
    unsigned value = 0xdeadbeef;
    in >> value; // nothing left: reads as zero bytes
    EXPECT_EQ(value, 0u);
}

TEST(FileStreamTest, BackslashAndMixedCasePaths)
{
    ScratchDir dir;
    dir.Write("Profiles/Pilot.PRF", "x");
    const std::string mixed = dir.Path().string() + "\\profiles\\\\pilot.prf";
    EXPECT_TRUE(FileStream::IsFileExist(mixed.c_str(), true));
    EXPECT_FALSE(FileStream::IsFileExist((dir / "profiles/other.prf").c_str(), true));
    FileStream in;
    EXPECT_TRUE(in.Open(mixed.c_str(), FileStream::OPEN_READ));

    // A new file in an existing folder of another case lands in that folder.
    FileStream out;
    ASSERT_TRUE(out.Open((dir / "PROFILES\\new.prf").c_str(), FileStream::OPEN_WRITE));
    out.Close();
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "Profiles" / "new.prf"));
}

TEST(FileStreamTest, CopySharesTheHandleButOnlyTheOriginalCloses)
{
    ScratchDir dir;
    dir.Write("shared.txt", "xy");
    FileStream original;
    ASSERT_TRUE(original.Open((dir / "shared.txt").c_str(), FileStream::OPEN_READ));
    {
        FileStream copy(original);
        EXPECT_FALSE(copy.IsOpen());
        char c = 0;
        copy >> c;
        EXPECT_EQ(c, 'x');
    }
    char c = 0;
    original >> c; // still open after the copy is gone
    EXPECT_EQ(c, 'y');
}

TEST(MemStreamTest, WritesAndReadsAreClampedToTheBlock)
{
    MemStream stream;
    stream.AllocateEx(8, 0);
    stream << "abc";
    EXPECT_EQ(stream.GetPos(), 3u);
    const char ten[10] = "123456789";
    EXPECT_EQ(stream.WriteData(ten, 10), 5u);
    EXPECT_TRUE(stream.IsEof());
    EXPECT_EQ(std::string(reinterpret_cast<char*>(stream.GetPtr()), 8), "abc12345");

    stream.Seek(6, SEEK_FROM_BEGIN);
    char out[10] = {};
    EXPECT_EQ(stream.ReadData(out, 10), 2u);
}

TEST(MemStreamTest, SeekClamps)
{
    unsigned char block[3] = {1, 2, 3};
    MemStream stream(block, 3);
    struct Case
    {
        unsigned long start;
        unsigned long offset;
        eSeekFlags origin;
        unsigned expected;
    };
    const Case cases[] = {
        {0, 5, SEEK_FROM_END, 0},     {0, 1, SEEK_FROM_END, 2},     {0, 9, SEEK_FROM_BEGIN, 3},
        {2, 5, SEEK_FROM_CURRENT, 3}, {1, 1, SEEK_FROM_CURRENT, 2},
    };
    for (const Case& c : cases)
    {
        stream.Seek(c.start, SEEK_FROM_BEGIN);
        EXPECT_TRUE(stream.Seek(c.offset, c.origin));
        EXPECT_EQ(stream.GetPos(), c.expected) << c.start << " " << c.offset << " " << c.origin;
    }
}

TEST(MemStreamTest, LittleEndianNumbers)
{
    MemStream stream;
    stream.AllocateEx(32, 0);
    stream << 1.0f << 0x01020304u << static_cast<unsigned long>(0xA0B0C0D0) << 2.0 << true
           << static_cast<unsigned long long>(0x1122334455667788ull);
    const unsigned char expected[] = {0x00, 0x00, 0x80, 0x3f, 0x04, 0x03, 0x02, 0x01, 0xD0, 0xC0,
                                      0xB0, 0xA0, 0,    0,    0,    0,    0,    0,    0,    0x40,
                                      0x01, 0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11};
    ASSERT_EQ(stream.GetPos(), sizeof(expected));
    EXPECT_EQ(memcmp(stream.GetPtr(), expected, sizeof(expected)), 0);

    stream.Seek(0, SEEK_FROM_BEGIN);
    float f;
    unsigned u;
    unsigned long ul;
    double d;
    bool b;
    unsigned long long ull;
    stream >> f >> u >> ul >> d >> b >> ull;
    EXPECT_EQ(f, 1.0f);
    EXPECT_EQ(u, 0x01020304u);
    EXPECT_EQ(ul, 0xA0B0C0D0ul);
    EXPECT_EQ(d, 2.0);
    EXPECT_TRUE(b);
    EXPECT_EQ(ull, 0x1122334455667788ull);
}

TEST(MemStreamTest, StringReads)
{
    char text[] = "one\ntwo\nthree";
    MemStream stream(text, sizeof(text) - 1);
    char line[16];
    EXPECT_EQ(stream.ReadString(line, sizeof(line), '\n'), 3u);
    EXPECT_STREQ(line, "one");

    // The string form appends and leaves the cursor on the delimiter.
    std::string word = ">";
    EXPECT_EQ(stream.ReadString(word, '\n'), 3u);
    EXPECT_EQ(word, ">two");
    EXPECT_EQ(*stream.GetCurPtr(), '\n');
    stream.Skip(1);

    char tiny[3];
    EXPECT_EQ(stream.ReadString(tiny, sizeof(tiny), '\n'), 2u);
    EXPECT_STREQ(tiny, "th");
    EXPECT_TRUE(stream.IsEof());
}

TEST(MemStreamTest, CopiesOwnTheirBytesAndSelfAssignmentIsSafe)
{
    char text[] = "abcd";
    MemStream borrowed(text, 4);
    MemStream copy(borrowed);
    EXPECT_NE(copy.GetPtr(), borrowed.GetPtr());
    text[0] = 'z';
    EXPECT_EQ(copy.GetPtr()[0], 'a');

    MemStream& self = copy;
    copy = self;
    EXPECT_EQ(std::string(reinterpret_cast<char*>(copy.GetPtr()), copy.GetSize()), "abcd");

    MemStream other;
    other = borrowed;
    EXPECT_EQ(other.GetSize(), 4u);
    other.Clear();
    EXPECT_EQ(other.GetSize(), 0u);
    EXPECT_EQ(other.GetPtr(), nullptr);
    char c = 'q';
    EXPECT_EQ(other.ReadData(&c, 1), 0u);
}

} // namespace
