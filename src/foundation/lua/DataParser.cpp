#include "foundation/lua/DataParser.h"

#include <climits>

namespace {
// Limits of the data language.
constexpr int MaxLocals = 200;
constexpr int MaxUpvalues = 32;
constexpr int MaxParameters = 100;
constexpr int MaxWhileCondition = 100;

bool BlockFollows(int token)
{
    switch (token)
    {
    case DTK_ELSE:
    case DTK_ELSEIF:
    case DTK_END:
    case DTK_UNTIL:
    case DTK_EOS: return true;
    default: return false;
    }
}
} // namespace

bool DataParser::Translate(const char* data, size_t size, std::string_view chunkName, std::string& out,
                           std::string& error)
{
    out.clear();
    if (size > INT_MAX)
    {
        error = "chunk too large";
        return false;
    }
    try
    {
        DataParser parser(data, size, chunkName, out);
        parser.Run();
        return true;
    }
    catch (const DataSyntaxError& e)
    {
        error = e.message;
        out.clear();
        return false;
    }
}

DataParser::DataParser(const char* data, size_t size, std::string_view chunkName, std::string& out)
    : _writer(data, data + size), _lexer(data, size, chunkName, _writer), _out(out), _previousEnd(data)
{}

void DataParser::Run()
{
    FunctionScope main;
    OpenFunction(main);
    Advance();
    Chunk();
    if (_token->token != DTK_EOS)
        SyntaxError("<eof> expected");
    CloseFunction();
    std::string prefix;
    if (_iteratesForIn)
        prefix.append(ForInDefinition);
    if (_callsNilMethod)
        prefix.append(NilMethodDefinition);
    _writer.Finish(prefix, _out);
}

// ---------------------------------------------------------------------------------------------
// Tokens

void DataParser::Lookahead()
{
    _lexer.Lex(*_ahead);
    _hasAhead = true;
}

// Writes a token for which Respelled holds as the target language spells it.
void DataParser::Patch(const DataToken& token)
{
    switch (token.token)
    {
    case DTK_NAME: _writer.Replace(token.begin, token.end, NilVariable); break;
    case DTK_NULL: _writer.Replace(token.begin, token.end, "nil"); break;
    case DTK_EVENT: _writer.Replace(token.begin, token.end, "function"); break;
    case DTK_NE: _writer.Replace(token.begin, token.end, "~="); break;
    default: break;
    }
}

void DataParser::CheckMatch(int what, int who, int where)
{
    if (TestNext(what))
        return;
    if (where == _lexer.Line())
        ErrorExpected(what);
    char scratch1[2];
    char scratch2[2];
    std::string message = "`";
    message.append(DataTokenName(what, scratch1)).append("' expected (to close `");
    message.append(DataTokenName(who, scratch2)).append("' at line ").append(std::to_string(where)).append(")");
    SyntaxError(message);
}

std::string_view DataParser::CheckName()
{
    if (_token->token != DTK_NAME)
        SyntaxError("<name> expected");
    std::string_view name = _token->text;
    Next();
    return name;
}

void DataParser::SyntaxError(std::string_view message)
{
    switch (_token->token)
    {
    case DTK_NAME:
    case DTK_NUMBER: _lexer.Error(message, _token->text);
    case DTK_STRING: _lexer.Error(message, _token->nearText);
    default:
    {
        char scratch[2];
        _lexer.Error(message, DataTokenName(_token->token, scratch));
    }
    }
}

void DataParser::ErrorExpected(int token)
{
    char scratch[2];
    std::string message = "`";
    message.append(DataTokenName(token, scratch)).append("' expected");
    SyntaxError(message);
}

void DataParser::LimitError(int limit, std::string_view what)
{
    std::string message = "too many ";
    message.append(what).append(" (limit=").append(std::to_string(limit)).append(")");
    SyntaxError(message);
}

// ---------------------------------------------------------------------------------------------
// Scopes

void DataParser::OpenFunction(FunctionScope& function)
{
    function.previous = _fs;
    function.firstLocal = _locals.size();
    _fs = &function;
}

void DataParser::CloseFunction()
{
    int upvalues = static_cast<int>(_fs->upvalues.size());
    _locals.resize(_fs->firstLocal);
    _fs = _fs->previous;
    if (_fs)
        _fs->codeSize += 1 + upvalues; // the closure and its upvalue moves
}

void DataParser::EnterBlock(BlockScope& block, bool breakable)
{
    block.previous = _fs->block;
    block.activeLocals = _fs->activeLocals;
    block.breakable = breakable;
    _fs->block = &block;
}

void DataParser::LeaveBlock()
{
    _fs->activeLocals = _fs->block->activeLocals;
    _fs->block = _fs->block->previous;
}

void DataParser::NewLocal(std::string_view name, int n)
{
    CheckLimit(_fs->activeLocals + n + 1, MaxLocals, "local variables");
    size_t slot = _fs->firstLocal + static_cast<size_t>(_fs->activeLocals + n);
    if (_locals.size() <= slot)
        _locals.resize(slot + 1);
    _locals[slot] = name;
}

void DataParser::CreateLocal(std::string_view name)
{
    NewLocal(name, 0);
    ActivateLocals(1);
}

DataParser::eVarKind DataParser::Resolve(FunctionScope* function, std::string_view name, int& index)
{
    if (!function)
        return VAR_GLOBAL;
    for (int i = function->activeLocals - 1; i >= 0; --i)
        if (_locals[function->firstLocal + static_cast<size_t>(i)] == name)
        {
            index = i;
            return VAR_LOCAL;
        }
    eVarKind outer = Resolve(function->previous, name, index);
    if (outer == VAR_GLOBAL)
        return VAR_GLOBAL;
    Upvalue key{outer == VAR_LOCAL, index};
    for (size_t i = 0; i < function->upvalues.size(); ++i)
        if (function->upvalues[i].parentLocal == key.parentLocal && function->upvalues[i].index == key.index)
        {
            index = static_cast<int>(i);
            return VAR_UPVALUE;
        }
    CheckLimit(static_cast<int>(function->upvalues.size()) + 1, MaxUpvalues, "upvalues");
    function->upvalues.push_back(key);
    index = static_cast<int>(function->upvalues.size()) - 1;
    return VAR_UPVALUE;
}

void DataParser::SingleVariable(std::string_view name)
{
    int index = 0;
    if (Resolve(_fs, name, index) != VAR_LOCAL)
        ++_fs->codeSize;
}

// ---------------------------------------------------------------------------------------------
// Statements

void DataParser::Chunk()
{
    EnterLevel();
    bool last = false;
    while (!last && !BlockFollows(_token->token))
    {
        last = Statement();
        TestNext(';');
    }
    LeaveLevel();
}

void DataParser::Block()
{
    BlockScope block;
    EnterBlock(block, false);
    Chunk();
    LeaveBlock();
}

bool DataParser::Statement()
{
    int line = _lexer.Line();
    switch (_token->token)
    {
    case DTK_IF: IfStatement(line); return false;
    case DTK_WHILE: WhileStatement(line); return false;
    case DTK_DO:
        Next();
        Block();
        CheckMatch(DTK_END, DTK_DO, line);
        return false;
    case DTK_FOR: ForStatement(line); return false;
    case DTK_REPEAT: RepeatStatement(line); return false;
    case DTK_FUNCTION:
    case DTK_EVENT: FunctionStatement(line); return false;
    case DTK_LOCAL:
        Next();
        if (TestNext(DTK_FUNCTION) || TestNext(DTK_EVENT))
            LocalFunction();
        else
            LocalStatement();
        return false;
    case DTK_RETURN: ReturnStatement(); return true;
    case DTK_BREAK: BreakStatement(); return true;
    default: ExpressionStatement(); return false;
    }
}

void DataParser::IfStatement(int line)
{
    TestThenBlock();
    while (_token->token == DTK_ELSEIF)
        TestThenBlock();
    if (_token->token == DTK_ELSE)
    {
        Next();
        Block();
    }
    CheckMatch(DTK_END, DTK_IF, line);
}

void DataParser::TestThenBlock()
{
    Next(); // "if" or "elseif"
    Expression();
    Check(DTK_THEN);
    Block();
}

void DataParser::WhileStatement(int line)
{
    Next();
    int start = _fs->codeSize;
    Expression();
    if (_fs->codeSize - start + TestCost(false) > MaxWhileCondition)
        SyntaxError("`while' condition too complex");
    BlockScope block;
    EnterBlock(block, true);
    Check(DTK_DO);
    Block();
    CheckMatch(DTK_END, DTK_WHILE, line);
    LeaveBlock();
}

void DataParser::ForStatement(int line)
{
    BlockScope block;
    EnterBlock(block, false);
    Next();
    std::string_view name = CheckName();
    switch (_token->token)
    {
    case '=': ForNumeric(name); break;
    case ',':
    case DTK_IN: ForList(name); break;
    default: SyntaxError("`=' or `in' expected");
    }
    CheckMatch(DTK_END, DTK_FOR, line);
    LeaveBlock();
}

void DataParser::ForNumeric(std::string_view name)
{
    NewLocal(name, 0);
    NewLocal("(for limit)", 1);
    NewLocal("(for step)", 2);
    Check('=');
    Expression();
    Check(',');
    Expression();
    if (TestNext(','))
        Expression();
    ForBody(3);
}

void DataParser::ForList(std::string_view name)
{
    int variables = 0;
    NewLocal("(for generator)", variables++);
    NewLocal("(for state)", variables++);
    NewLocal(name, variables++);
    while (TestNext(','))
        NewLocal(CheckName(), variables++);
    Check(DTK_IN);
    _writer.Insert(_previousEnd, ForInCall);
    _iteratesForIn = true;
    ExpressionList();
    _writer.Insert(_previousEnd, ")");
    ForBody(variables);
}

void DataParser::ForBody(int variables)
{
    ActivateLocals(variables);
    Check(DTK_DO);
    BlockScope block;
    EnterBlock(block, true);
    Block();
    LeaveBlock();
}

void DataParser::RepeatStatement(int line)
{
    // The condition does not see the body's locals; an inner do-block keeps it so.
    BlockScope block;
    EnterBlock(block, true);
    _writer.Insert(_token->end, " do");
    Next();
    Block();
    if (_token->token == DTK_UNTIL)
        _writer.Insert(_token->begin, "end ");
    CheckMatch(DTK_UNTIL, DTK_REPEAT, line);
    Expression();
    LeaveBlock();
}

void DataParser::FunctionStatement(int line)
{
    // A name part "nil" cannot follow "function" in the target language: such a definition
    // becomes an assignment, "a["nil"] = function (...)".
    DataToken keyword = *_token;
    Skip();
    if (_token->token != DTK_NAME)
        SyntaxError("<name> expected");
    std::string_view first = _token->text;
    Next();
    SingleVariable(first);
    bool method = false;
    bool nilField = false;
    while (_token->token == '.' || _token->token == ':')
    {
        method = _token->token == ':';
        DataToken separator = *_token;
        Skip();
        if (_token->token != DTK_NAME)
            SyntaxError("<name> expected");
        if (_token->text == NilWord)
        {
            nilField = true;
            _writer.Replace(separator.begin, separator.end, "");
            _writer.Replace(_token->begin, _token->end, NilKey);
        }
        else if (method)
            _writer.Replace(separator.begin, separator.end, ".");
        Skip();
        ++_fs->codeSize;
        if (method)
            break;
    }
    if (nilField)
    {
        _writer.Replace(keyword.begin, keyword.end, "");
        _writer.Insert(_token->begin, "= function");
    }
    else if (Respelled(keyword))
        Patch(keyword);
    Body(method, line, DTK_FUNCTION);
}

void DataParser::LocalFunction()
{
    NewLocal(CheckName(), 0);
    ActivateLocals(1);
    Body(false, _lexer.Line(), DTK_FUNCTION);
}

void DataParser::LocalStatement()
{
    int variables = 0;
    do
        NewLocal(CheckName(), variables++);
    while (TestNext(','));
    if (TestNext('='))
        ExpressionList();
    ActivateLocals(variables);
}

void DataParser::ReturnStatement()
{
    Next();
    if (!BlockFollows(_token->token) && _token->token != ';')
        ExpressionList();
    ++_fs->codeSize;
}

void DataParser::BreakStatement()
{
    Next();
    BlockScope* block = _fs->block;
    while (block && !block->breakable)
        block = block->previous;
    if (!block)
        SyntaxError("no loop to break");
    ++_fs->codeSize;
}

void DataParser::ExpressionStatement()
{
    eExpKind kind = PrimaryExpression();
    if (kind == EXP_CALL)
        return;
    for (;;)
    {
        if (kind != EXP_VARIABLE)
            SyntaxError("syntax error");
        if (!TestNext(','))
            break;
        kind = PrimaryExpression();
    }
    Check('=');
    ExpressionList();
}

void DataParser::Body(bool method, int line, int opener)
{
    FunctionScope function;
    OpenFunction(function);
    Check('(');
    if (method)
    {
        CreateLocal("this");
        _writer.Insert(_previousEnd, _token->token == ')' ? "this" : "this, ");
    }
    ParameterList();
    Check(')');
    Chunk();
    CheckMatch(DTK_END, opener, line);
    CloseFunction();
}

void DataParser::ParameterList()
{
    int parameters = 0;
    bool varargs = false;
    if (_token->token != ')')
    {
        do
        {
            switch (_token->token)
            {
            case DTK_DOTS:
                varargs = true;
                Next();
                break;
            case DTK_NAME: NewLocal(CheckName(), parameters++); break;
            default: SyntaxError("<name> or `...' expected");
            }
        } while (!varargs && TestNext(','));
    }
    ActivateLocals(parameters);
    CheckLimit(_fs->activeLocals, MaxParameters, "parameters");
    if (varargs)
        CreateLocal("arg");
}
