#include "foundation/base/DataStream.h"

#include "foundation/base/Path.h"

FileStream::~FileStream()
{
    if (_open)
        Close();
}

std::string FileStream::ModeString(unsigned long flags)
{
    std::string mode;
    if ((flags & OPEN_READ) && (flags & OPEN_WRITE))
        mode = "r+";
    else if (flags & OPEN_READ)
        mode = "r";
    else if (flags & OPEN_WRITE)
        mode = "w";
    else if (flags & OPEN_APPEND)
        mode = "a";
    if (flags & OPEN_BINARY)
        mode += "b";
    return mode;
}

bool FileStream::Open(const char* path, unsigned long flags)
{
    if (_open)
        Close();
    if (!path)
        return false;
    std::string mode = ModeString(flags);
    if (mode.empty() || mode == "b")
        return false;
    _file = fopen(ResolvePath(path).c_str(), mode.c_str());
    _open = _file != nullptr;
    return _open;
}

void FileStream::Close()
{
    if (_file && _open)
        fclose(_file);
    _file = nullptr;
    _open = false;
}

bool FileStream::IsFileExist(const char* path, bool binary)
{
    if (!path)
        return false;
    FILE* file = fopen(ResolvePath(path).c_str(), binary ? "rb" : "r");
    if (!file)
        return false;
    fclose(file);
    return true;
}

bool FileStream::Seek(unsigned long offset, eSeekFlags origin)
{
    if (!_file)
        return false;
    // The offset is taken as signed so that seeking back from the end works.
    return fseek(_file, static_cast<long>(static_cast<int32_t>(offset)), origin) == 0;
}

bool FileStream::Skip(unsigned long count) { return _file && fseek(_file, static_cast<long>(count), SEEK_CUR) == 0; }

unsigned FileStream::GetSize()
{
    if (!_file)
        return 0;
    long pos = ftell(_file);
    if (pos < 0 || fseek(_file, 0, SEEK_END) != 0)
        return 0;
    long size = ftell(_file);
    fseek(_file, pos, SEEK_SET);
    return size < 0 ? 0 : static_cast<unsigned>(size);
}

unsigned FileStream::GetPos()
{
    if (!_file)
        return 0;
    long pos = ftell(_file);
    return pos < 0 ? 0 : static_cast<unsigned>(pos);
}

bool FileStream::IsEof() { return !_file || feof(_file) != 0; }

unsigned FileStream::ReadData(void* buffer, unsigned size)
{
    if (!_file || !buffer)
        return 0;
    return static_cast<unsigned>(fread(buffer, 1, size, _file));
}

// Stops only at the real end of the file: a 0xFF byte is text like any other.
unsigned FileStream::ReadString(std::string& out, char delimiter)
{
    out.clear();
    if (!_file)
        return 0;
    int c;
    while ((c = fgetc(_file)) != EOF && static_cast<char>(c) != delimiter)
        out.push_back(static_cast<char>(c));
    return static_cast<unsigned>(out.size());
}

unsigned FileStream::ReadString(char* buffer, unsigned size, char delimiter)
{
    if (!buffer || size == 0)
        return 0;
    unsigned count = 0;
    if (_file)
    {
        int c;
        while ((c = fgetc(_file)) != EOF && static_cast<char>(c) != delimiter)
            if (count + 1 < size)
                buffer[count++] = static_cast<char>(c);
    }
    buffer[count] = 0;
    return count;
}

unsigned FileStream::WriteData(const void* data, unsigned size)
{
    if (!_file || !data)
        return 0;
    return static_cast<unsigned>(fwrite(data, 1, size, _file));
}

unsigned FileStream::WriteString(const char* text, char delimiter)
{
    if (!text)
        return 0;
    unsigned length = 0;
    while (text[length] && text[length] != delimiter)
        ++length;
    return WriteData(text, length);
}

unsigned FileStream::WriteString(const char* text)
{
    return text ? WriteData(text, static_cast<unsigned>(strlen(text))) : 0;
}
