#pragma once

#include "foundation/lua/LuaTypes.h"
#include "foundation/lua/Table.h"

// Walks the members of a table in the interpreter's order:
//     for (it.Begin(); it.End(); it.Next()) { ... }
// End() is true while the iterator stands on a member; a full walk leaves the stack as it was.
// It borrows the reference of the Table it was built from, which must outlive the walk. A walk
// left early leaves the table, key and value on the stack (wrap it in a StackGuard).
class TableIterator
{
public:
    explicit TableIterator(const Table& table);

    void Begin();
    bool End();
    void Next();

    // The key when it is a string, else null.
    const char* GetVarName() const;
    // The key when it is a number, truncated, else 0.
    int GetVarIndex() const;
    // The key's type code, and a number or boolean key as it is (0 and false for other keys).
    int GetKeyType() const;
    double GetKeyNumber() const;
    bool GetKeyBool() const;
    int GetVarType() const;
    double ToNumber() const;
    bool ToBool() const;
    const char* ToString() const;
    Table ToTable() const;

private:
    void Step();

    int _index = 0;  // stack index of the table; 0 when nothing is pushed
    int _result = 0; // non-zero while a key and a value are on the stack
    int _ref;
    VirtualMachine* _vm;
};
