#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

enum eSeekFlags
{
    SEEK_FROM_BEGIN = 0,
    SEEK_FROM_CURRENT = 1,
    SEEK_FROM_END = 2,
};

// A byte stream for the readers and writers of data files. The operators move numbers as their
// raw little-endian bytes with the stored widths of the file formats (long is 4 bytes, as the
// formats were written with 32-bit longs) and strings as characters.
class IDataStream
{
public:
    virtual ~IDataStream() = default;

    virtual bool Seek(unsigned long offset, eSeekFlags origin) = 0;
    virtual bool Skip(unsigned long count) = 0;
    virtual unsigned GetSize() = 0;
    virtual unsigned GetPos() = 0;
    virtual bool IsEof() = 0;
    virtual unsigned ReadData(void* buffer, unsigned size) = 0;
    // Reads up to the delimiter or the end; see each stream for where it leaves the cursor.
    virtual unsigned ReadString(std::string& out, char delimiter) = 0;
    // Reads up to the delimiter (consumed) or the end into a buffer of `size` bytes; the text
    // is always terminated, characters that do not fit are skipped. Returns the count stored.
    virtual unsigned ReadString(char* buffer, unsigned size, char delimiter) = 0;
    virtual unsigned WriteData(const void* data, unsigned size) = 0;
    virtual unsigned WriteString(const char* text, char delimiter) = 0;
    virtual unsigned WriteString(const char* text) = 0;

    IDataStream& operator<<(const std::string& text);
    IDataStream& operator<<(const char* text);
    IDataStream& operator<<(double value);
    IDataStream& operator<<(unsigned long long value);
    IDataStream& operator<<(float value);
    IDataStream& operator<<(unsigned int value);
    IDataStream& operator<<(unsigned long value);
    IDataStream& operator<<(int value);
    IDataStream& operator<<(unsigned short value);
    IDataStream& operator<<(bool value);
    IDataStream& operator<<(unsigned char value);
    IDataStream& operator<<(char value);

    // Strings are read up to a zero byte.
    IDataStream& operator>>(std::string& text);
    template <size_t N>
    IDataStream& operator>>(char (&text)[N])
    {
        ReadString(text, N, 0);
        return *this;
    }
    IDataStream& operator>>(double& value);
    IDataStream& operator>>(unsigned long long& value);
    IDataStream& operator>>(float& value);
    IDataStream& operator>>(unsigned int& value);
    IDataStream& operator>>(unsigned long& value);
    IDataStream& operator>>(int& value);
    IDataStream& operator>>(unsigned short& value);
    IDataStream& operator>>(bool& value);
    IDataStream& operator>>(unsigned char& value);
    IDataStream& operator>>(char& value);

private:
    void WriteLE(uint64_t value, unsigned width);
    uint64_t ReadLE(unsigned width);
};

// A stream over a C runtime file. Paths are normalised and resolved case-insensitively.
// A copy shares the file handle but does not own it: only the original closes the file, so a
// copy must not outlive it.
class FileStream : public IDataStream
{
public:
    enum eOpenFlags
    {
        OPEN_READ = 0x01,
        OPEN_WRITE = 0x02,
        OPEN_APPEND = 0x04,
        OPEN_BINARY = 0x08,
    };

    FileStream() = default;
    // Opens nothing: call Open.
    FileStream(const char* /*path*/, unsigned long /*flags*/) {}
    FileStream(const FileStream& other) : _file(other._file), _open(false) {}
    FileStream& operator=(const FileStream&) = delete;
    ~FileStream() override;

    bool Open(const char* path, unsigned long flags);
    void Close();
    bool IsOpen() const { return _open; }

    static bool IsFileExist(const char* path, bool binary);
    // The fopen mode for a set of open flags ("" when no access bit is given).
    static std::string ModeString(unsigned long flags);

    bool Seek(unsigned long offset, eSeekFlags origin) override;
    bool Skip(unsigned long count) override;
    unsigned GetSize() override;
    unsigned GetPos() override;
    bool IsEof() override;
    unsigned ReadData(void* buffer, unsigned size) override;
    // The delimiter is consumed; reading stops at the real end of the file.
    unsigned ReadString(std::string& out, char delimiter) override;
    unsigned ReadString(char* buffer, unsigned size, char delimiter) override;
    unsigned WriteData(const void* data, unsigned size) override;
    unsigned WriteString(const char* text, char delimiter) override;
    unsigned WriteString(const char* text) override;

private:
    FILE* _file = nullptr;
    bool _open = false;
};

// A stream over a block of memory, either borrowed or owned. Reads and writes never pass the end.
class MemStream : public IDataStream
{
public:
    MemStream() = default;
    MemStream(void* block, unsigned long size);
    MemStream(const MemStream& other);
    MemStream& operator=(const MemStream& other);
    ~MemStream() override;

    unsigned char* Allocate(unsigned long size, const unsigned char* source = nullptr);
    unsigned char* AllocateEx(unsigned long size, unsigned char fill);
    void Clear();

    unsigned char* GetPtr() const { return _begin; }
    unsigned char* GetCurPtr() const { return _cursor; }

    bool Seek(unsigned long offset, eSeekFlags origin) override;
    bool Skip(unsigned long count) override;
    unsigned GetSize() override { return _size; }
    unsigned GetPos() override { return static_cast<unsigned>(_cursor - _begin); }
    bool IsEof() override { return _cursor >= _end; }
    unsigned ReadData(void* buffer, unsigned size) override;
    // Appends to `out` up to the delimiter and leaves the cursor on it.
    unsigned ReadString(std::string& out, char delimiter) override;
    unsigned ReadString(char* buffer, unsigned size, char delimiter) override;
    unsigned WriteData(const void* data, unsigned size) override;
    unsigned WriteString(const char* text, char delimiter) override;
    unsigned WriteString(const char* text) override;

private:
    unsigned Left() const { return static_cast<unsigned>(_end - _cursor); }

    unsigned char* _begin = nullptr;
    unsigned char* _end = nullptr;
    unsigned char* _cursor = nullptr;
    unsigned _size = 0;
    bool _owns = false;
};
