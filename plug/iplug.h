#pragma once
// The base interface of every module object that crosses a binary boundary.
//
// Module interfaces declare their virtual functions in slot order and nothing else (no
// virtual destructor), so that the vtable slots are exactly the listed slots and stay
// stable between separately built binaries. Objects end their own life in Release().

#include <cstdint>

class I_Plug {
public:
    // Slot 0: second-stage initialisation after the factory; false refuses the object.
    virtual bool InitInstance() = 0;
    // Slot 1: adds a reference and returns the new count.
    virtual int32_t AddRef() = 0;
    // Slot 2: drops a reference; the object destroys itself at zero.
    virtual void Release() = 0;

protected:
    ~I_Plug() = default;
};
