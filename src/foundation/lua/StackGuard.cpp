#include "foundation/lua/StackGuard.h"

#include "foundation/lua/VirtualMachine.h"

StackGuard::StackGuard(VirtualMachine* vm) : _top(vm->GetTop()), _vm(vm) {}

StackGuard::~StackGuard() { _vm->SetTop(_top); }
