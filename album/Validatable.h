#pragma once
// An object that can tell whether it is ready for use. Callers check it with
// QASSERT_VALID before they use it; a failed check is reported through DoAssert.

#include "diag/Assert.h"

class Validatable {
public:
    virtual bool IsValid() const = 0;

protected:
    ~Validatable() = default;
};

// Reports `checkText` at `line` of `module` when `object` is missing or not valid.
inline void CheckValid(const Validatable* object, const char* checkText, const char* module,
                       unsigned line) {
    if (object == nullptr || !object->IsValid()) DoAssert(checkText, module, line);
}

// Checks a Validatable pointer in the module named by a `kAssertModule` constant in
// scope; the report reads "(pointer) != NULL && (pointer)->IsValid()".
#define QASSERT_VALID(pointer)                                                                  \
    CheckValid((pointer), "(" #pointer ") != NULL && (" #pointer ")->IsValid()", kAssertModule, \
               __LINE__)
