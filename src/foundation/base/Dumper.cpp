#include "foundation/base/Dumper.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>

#include "foundation/base/Console.h"
#include "foundation/base/Format.h"
#include "foundation/base/MessageBox.h"
#include "foundation/base/Singletons.h"

namespace {

const char* const filePrefixes[8] = {
    "ERROR:    ", "WARNING:  ", "StartUp:  ", "Script:   ", "ShutDown: ", "INFO:     ", "System:   ", "Log:      ",
};

bool HasPrefix(eDumpEvent kind) { return static_cast<unsigned>(kind) < 8; }

// A line the buffer cut (`written` is what it would have taken) ends at a whole character with
// a line end, so the next line starts on its own.
void EndCutLine(char* line, int written)
{
    if (written < int(Dumper::BufferSize))
        return;
    size_t end = Dumper::BufferSize - 2;
    while (end > 0 && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
        --end;
    line[end] = '\n';
    line[end + 1] = 0;
}

} // namespace

const char* DumpFilePrefix(eDumpEvent kind) { return HasPrefix(kind) ? filePrefixes[kind] : ""; }

const char* DumpConsolePrefix(eDumpEvent kind)
{
    switch (kind)
    {
    case DUMP_ERROR: return "ERROR: ";
    case DUMP_WARNING: return "WARNING: ";
    case DUMP_INFO: return "INFO: ";
    default: return "";
    }
}

Dumper::~Dumper()
{
    for (int i = 0; i < _count; ++i)
    {
        delete _clients[i];
        _clients[i] = nullptr;
    }
    _count = 0;
}

Dumper& Dumper::Instance()
{
    static Dumper* const instance = Singletons::Adopt(std::make_unique<Dumper>());
    return *instance;
}

bool Dumper::RegisterClient(IDumperClient* client)
{
    std::lock_guard guard(_lock);
    if (!client)
        return false;
    if (_count >= MaxClients)
    {
        delete client;
        return false;
    }
    _clients[_count++] = client;
    return true;
}

void Dumper::Deliver(eDumpEvent kind, const char* text)
{
    for (int i = 0; i < _count; ++i)
        if (_clients[i])
            _clients[i]->OnPrint(kind, text);
}

// The line buffer is per call, so a client that logs while being printed to (the log file's
// warning box does) cannot overwrite the line the other clients are still to receive.
void Dumper::Print(const char* fmt, ...)
{
    char line[BufferSize];
    line[0] = 0;
    if (fmt && *fmt)
    {
        va_list args;
        va_start(args, fmt);
        EndCutLine(line, vsnprintf(line, sizeof(line), fmt, args));
        va_end(args);
    }
    std::lock_guard guard(_lock);
    fputs(line, stdout);
    Deliver(DUMP_LOG, line);
}

void Dumper::Print(eDumpEvent kind, const char* fmt, ...)
{
    char line[BufferSize];
    line[0] = 0;
    if (fmt && *fmt)
    {
        va_list args;
        va_start(args, fmt);
        EndCutLine(line, vsnprintf(line, sizeof(line), fmt, args));
        va_end(args);
    }
    std::lock_guard guard(_lock);
    fputs(line, stdout);
    if (MainConsole)
        MainConsole->Add("%s", line);
    Deliver(kind, line);
}

void Dumper::Dump(eDumpEvent kind, const void* data, unsigned size)
{
    std::lock_guard guard(_lock);
    for (int i = 0; i < _count; ++i)
        if (_clients[i])
            _clients[i]->OnDump(kind, data, size);
}

FileDumper::FileDumper(const char* path, unsigned long flags) : _path(path ? path : ""), _flags(flags)
{
    if (OpenStream(FileStream::OPEN_WRITE) && IsReliable())
        CloseStream();
}

FileDumper::~FileDumper()
{
    if (!IsReliable())
        CloseStream();
}

bool FileDumper::OpenStream(unsigned long mode)
{
    if (IsDisabled())
        return false;
    if (_stream.Open(_path.c_str(), mode))
        return true;
    _flags |= FD_DISABLED;
    ShowMessageBox(Format("Couldn't create or append to log file \"%s\".\nFile dumping is disabled.", _path.c_str()),
                   "Engine warning:", MessageBoxIcon::Warning);
    return false;
}

void FileDumper::CloseStream()
{
    if (!IsDisabled())
        _stream.Close();
}

void FileDumper::PrintEventCode(eDumpEvent kind)
{
    if (!(_flags & FD_NO_PREFIX) && HasPrefix(kind))
        _stream.WriteString(DumpFilePrefix(kind));
}

void FileDumper::Write(eDumpEvent kind, const void* data, unsigned size)
{
    if (IsReliable())
        OpenStream(FileStream::OPEN_APPEND);
    if (IsEnabled())
    {
        PrintCurrentTime();
        PrintEventCode(kind);
        _stream.WriteData(data, size);
    }
    if (IsReliable())
        CloseStream();
}

void FileDumper::OnPrint(eDumpEvent kind, const char* text)
{
    if (text)
        Write(kind, text, static_cast<unsigned>(strlen(text)));
}

void FileDumper::OnDump(eDumpEvent kind, const void* data, unsigned size)
{
    if (data)
        Write(kind, data, size);
}

void ConsoleDumper::OnPrint(eDumpEvent kind, const char* text)
{
    fputs(DumpConsolePrefix(kind), stdout);
    fputs(text ? text : "", stdout);
}

void ConsoleDumper::OnDump(eDumpEvent kind, const void* data, unsigned size)
{
    std::string text(static_cast<const char*>(data), data ? size : 0);
    OnPrint(kind, text.c_str());
}

std::string wstring2string(const std::wstring& text)
{
    std::string out;
    out.reserve(text.size());
    for (wchar_t wc : text)
    {
        uint32_t c = static_cast<uint32_t>(wc);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = '?';
        if (c < 0x80)
            out.push_back(static_cast<char>(c));
        else if (c < 0x800)
        {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
        else if (c < 0x10000)
        {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
        else
        {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

// Malformed UTF-8 bytes are taken as single Latin-1 characters rather than dropped.
std::wstring string2wstring(const std::string& text)
{
    std::wstring out;
    out.reserve(text.size());
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    size_t n = text.size();
    for (size_t i = 0; i < n;)
    {
        unsigned char b = s[i];
        size_t extra = 0;
        uint32_t c = b;
        if (b >= 0xC2 && b < 0xE0)
            extra = 1, c = b & 0x1F;
        else if (b >= 0xE0 && b < 0xF0)
            extra = 2, c = b & 0x0F;
        else if (b >= 0xF0 && b < 0xF5)
            extra = 3, c = b & 0x07;
        bool valid = i + extra < n;
        for (size_t k = 1; valid && k <= extra; ++k)
        {
            if ((s[i + k] & 0xC0) != 0x80)
                valid = false;
            else
                c = (c << 6) | (s[i + k] & 0x3F);
        }
        if (!valid)
            c = b, extra = 0;
        out.push_back(static_cast<wchar_t>(c));
        i += extra + 1;
    }
    return out;
}
