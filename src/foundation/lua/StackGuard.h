#pragma once

class VirtualMachine;

// Restores the stack height of a machine when it goes out of scope.
class StackGuard
{
public:
    explicit StackGuard(VirtualMachine* vm);
    ~StackGuard();
    StackGuard(const StackGuard&) = delete;
    StackGuard& operator=(const StackGuard&) = delete;

private:
    int _top;
    VirtualMachine* _vm;
};
