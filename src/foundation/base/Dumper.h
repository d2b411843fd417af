#pragma once

#include <mutex>
#include <string>

#include "foundation/base/DataStream.h"

// Event kind of a log line. Kinds outside 0..7 (listings use DUMP_PLAIN) are written without
// prefix; the fixed underlying type keeps every such kind a valid value.
enum eDumpEvent : int
{
    DUMP_ERROR = 0,
    DUMP_WARNING = 1,
    DUMP_STARTUP = 2,
    DUMP_SCRIPT = 3,
    DUMP_SHUTDOWN = 4,
    DUMP_INFO = 5,
    DUMP_SYSTEM = 6,
    DUMP_LOG = 7,
    DUMP_PLAIN = 8,
};

// A destination of log lines.
class IDumperClient
{
public:
    IDumperClient() = default;
    virtual ~IDumperClient() = default;
    virtual void OnPrint(eDumpEvent kind, const char* text) = 0;
    virtual void OnDump(eDumpEvent kind, const void* data, unsigned size) = 0;
};

// The log: formats a line once and hands it to each registered client in registration order.
// Callers end their lines with "\n"; a line the buffer cuts ends with one all the same. It owns
// its clients, so it cannot be copied.
class Dumper
{
public:
    static constexpr int MaxClients = 16;
    static constexpr unsigned BufferSize = 20480;

    Dumper() = default;
    Dumper(const Dumper&) = delete;
    Dumper& operator=(const Dumper&) = delete;
    ~Dumper();

    // The process-wide log.
    static Dumper& Instance();

    // Takes ownership. A client beyond the 16th is refused and deleted; the result says which.
    bool RegisterClient(IDumperClient* client);

    // Kind 7; goes to standard output and the clients but not to the console.
    void Print(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    // Goes to standard output, the main console and the clients. Lines longer than the buffer
    // are cut.
    void Print(eDumpEvent kind, const char* fmt, ...) __attribute__((format(printf, 3, 4)));
    void Dump(eDumpEvent kind, const void* data, unsigned size);
    void Dump(const void* data, unsigned size) { Dump(DUMP_LOG, data, size); }

    int GetClientCount() const { return _count; }

private:
    void Deliver(eDumpEvent kind, const char* text);

    int _count = 0;
    IDumperClient* _clients[MaxClients] = {};
    // Worker threads (decoders, audio) log too.
    std::recursive_mutex _lock;
};

// The 10-character file prefix of a kind, and the console prefix (only kinds 0, 1 and 5 have
// one). Both are "" for kinds outside 0..7.
const char* DumpFilePrefix(eDumpEvent kind);
const char* DumpConsolePrefix(eDumpEvent kind);

// Writes the log to a file. The path is copied.
class FileDumper : public IDumperClient
{
public:
    enum
    {
        FD_RELIABLE = 0x01, // open and close the file for every line
        FD_NO_PREFIX = 0x02,
        FD_DISABLED = 0x10, // set when the file failed to open; nothing is written afterwards
    };

    // Empties the file.
    FileDumper(const char* path, unsigned long flags);
    ~FileDumper() override;

    void OnPrint(eDumpEvent kind, const char* text) override;
    void OnDump(eDumpEvent kind, const void* data, unsigned size) override;

    bool IsReliable() const { return _flags & FD_RELIABLE; }
    bool IsDisabled() const { return _flags & FD_DISABLED; }
    bool IsEnabled() const { return !IsDisabled(); }

private:
    bool OpenStream(unsigned long mode);
    void CloseStream();
    void PrintCurrentTime() {}
    void PrintEventCode(eDumpEvent kind);
    void Write(eDumpEvent kind, const void* data, unsigned size);

    std::string _path;
    FileStream _stream;
    unsigned long _flags;
};

// Writes the log to standard output, with the console prefixes.
class ConsoleDumper : public IDumperClient
{
public:
    void OnPrint(eDumpEvent kind, const char* text) override;
    void OnDump(eDumpEvent kind, const void* data, unsigned size) override;
};

// Conversions between narrow (UTF-8) and wide strings; 7-bit text maps character by character.
std::string wstring2string(const std::wstring& text);
std::wstring string2wstring(const std::string& text);
