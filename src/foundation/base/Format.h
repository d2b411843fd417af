#pragma once

// One-shot printf-style formatter into a shared buffer of 4096 characters (one per thread).
// Use it as a temporary inside one expression: each new Format overwrites the previous text.
// Longer results are cut.
class Format
{
public:
    Format(const char* fmt, ...) __attribute__((format(printf, 2, 3)));

    operator const char*() const { return _buff; }
    const char* operator*() const { return _buff; }

    static constexpr unsigned BufferSize = 4096;

private:
    static thread_local char _buff[BufferSize];
};
