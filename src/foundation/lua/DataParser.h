#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "foundation/lua/DataLexer.h"
#include "foundation/lua/SourceWriter.h"

// Checks one chunk of the data language against its grammar and limits (Lua 5.0's, with
// "NULL", "event", "!=" and "this") and writes the equivalent Lua 5.1 source, line for line.
// Nothing is compiled here: the interpreter compiles the written source afterwards.
// A generic "for" whose generator is a table iterates with the global "next", as the data
// language always did; the written source calls the chunk's first argument for that, so a
// chunk is run with DataForIn as its argument (VirtualMachine does).
struct lua_State;

// The generator adjustment of a generic "for": (generator, state, control) as given, except
// that a table generator becomes (global "next", the table, control).
int DataForIn(lua_State* L);

class DataParser
{
public:
    // True with `out` holding the translated source, or false with `error` holding the syntax
    // error message ("chunk:line: text near `token'").
    static bool Translate(const char* data, size_t size, std::string_view chunkName, std::string& out,
                          std::string& error);

private:
    struct BlockScope
    {
        BlockScope* previous;
        int activeLocals;
        bool breakable;
    };
    struct Upvalue
    {
        bool parentLocal;
        int index;
    };
    struct FunctionScope
    {
        FunctionScope* previous = nullptr;
        size_t firstLocal = 0; // in _locals: the active ones first, then those being declared
        int activeLocals = 0;
        std::vector<Upvalue> upvalues;
        BlockScope* block = nullptr;
        int codeSize = 0; // an estimate of the instructions written so far
    };
    enum eExpKind
    {
        EXP_VALUE,
        EXP_VARIABLE,
        EXP_CALL,
    };
    // What the last expression leaves for a test: a constant, a pending jump (a comparison) or
    // a value in a register; a test costs no instruction, one jump, or a test and a jump.
    enum eTestKind
    {
        TEST_TRUE,  // a constant other than nil and false
        TEST_FALSE, // nil or false
        TEST_JUMP,
        TEST_VALUE,
    };
    enum eVarKind
    {
        VAR_LOCAL,
        VAR_UPVALUE,
        VAR_GLOBAL,
    };

    static constexpr int MaxNestLevel = 200; // of nested blocks and expressions

    // "nil" is an ordinary name in the data language but a reserved word of the target language:
    // as a variable it is renamed, as a key it is written in brackets.
    static constexpr std::string_view NilWord = "nil";
    static constexpr std::string_view NilVariable = "__nil";
    static constexpr std::string_view NilKey = "[\"nil\"]";
    static constexpr std::string_view NilMethodCall = " __nilmethod(";
    static constexpr std::string_view NilMethodDefinition =
        "local __nilmethod = function(o, ...) return o[\"nil\"](o, ...) end ";
    static constexpr std::string_view ForInCall = " __forin(";
    static constexpr std::string_view ForInDefinition = "local __forin = ... ";

    DataParser(const char* data, size_t size, std::string_view chunkName, std::string& out);
    void Run();

    // Tokens. Next consumes a token and writes it as the target language spells it; Skip
    // consumes it as written. These run for every token, so they are inline.
    void Next()
    {
        if (Respelled(*_token))
            Patch(*_token);
        Advance();
    }
    void Skip() { Advance(); }
    void Advance()
    {
        _lastLine = _lexer.Line();
        _previousEnd = _token->end;
        if (_hasAhead)
        {
            std::swap(_token, _ahead);
            _hasAhead = false;
        }
        else
            _lexer.Lex(*_token);
    }
    bool TestNext(int token)
    {
        if (_token->token != token)
            return false;
        Next();
        return true;
    }
    void Check(int token)
    {
        if (!TestNext(token))
            ErrorExpected(token);
    }
    void Lookahead();
    // Tokens the target language spells differently: "NULL", "event", "!=" and the name "nil".
    static bool Respelled(const DataToken& token)
    {
        switch (token.token)
        {
        case DTK_NAME: return token.text.size() == NilWord.size() && token.text == NilWord;
        case DTK_NULL:
        case DTK_EVENT: return true;
        case DTK_NE: return *token.begin == '!';
        default: return false;
        }
    }
    void Patch(const DataToken& token);
    void CheckMatch(int what, int who, int where);
    std::string_view CheckName();
    [[noreturn]] void SyntaxError(std::string_view message);
    [[noreturn]] void ErrorExpected(int token);
    void CheckLimit(int value, int limit, std::string_view what)
    {
        if (value > limit)
            LimitError(limit, what);
    }
    [[noreturn]] void LimitError(int limit, std::string_view what);
    void EnterLevel()
    {
        if (++_nestLevel > MaxNestLevel)
            SyntaxError("too many syntax levels");
    }
    void LeaveLevel() { --_nestLevel; }

    // Scopes.
    void OpenFunction(FunctionScope& function);
    void CloseFunction();
    void EnterBlock(BlockScope& block, bool breakable);
    void LeaveBlock();
    void NewLocal(std::string_view name, int n);
    void ActivateLocals(int n) { _fs->activeLocals += n; }
    void CreateLocal(std::string_view name);
    eVarKind Resolve(FunctionScope* function, std::string_view name, int& index);
    void SingleVariable(std::string_view name);

    // Statements.
    void Chunk();
    void Block();
    bool Statement();
    void IfStatement(int line);
    void TestThenBlock();
    void WhileStatement(int line);
    void ForStatement(int line);
    void ForNumeric(std::string_view name);
    void ForList(std::string_view name);
    void ForBody(int variables);
    void RepeatStatement(int line);
    void FunctionStatement(int line);
    void LocalFunction();
    void LocalStatement();
    void ReturnStatement();
    void BreakStatement();
    void ExpressionStatement();
    void Body(bool method, int line, int opener);
    void ParameterList();

    // Expressions.
    void Expression() { SubExpression(-1); }
    void ExpressionList();
    int SubExpression(int limit);
    void SimpleExpression();
    eExpKind PrimaryExpression();
    eExpKind PrefixExpression();
    void Field();
    void FunctionArguments(bool continued);
    void Constructor();
    void RecordField();
    // Instructions a test of the last expression costs: jump when it is true (`and`) or false.
    int TestCost(bool jumpIfTrue) const;

    SourceWriter _writer;
    DataLexer _lexer;
    std::string& _out;
    DataToken _slots[2];
    DataToken* _token = &_slots[0]; // the current token
    DataToken* _ahead = &_slots[1]; // the next one, when _hasAhead
    bool _hasAhead = false;
    int _lastLine = 1;
    const char* _previousEnd; // end of the last token consumed
    int _nestLevel = 0;
    bool _callsNilMethod = false;
    bool _iteratesForIn = false;
    eTestKind _test = TEST_VALUE; // of the last expression
    FunctionScope* _fs = nullptr;
    std::vector<std::string_view> _locals; // of every open function, the innermost last
};
