#pragma once
// The machine of a program without a display: nothing is shown, no input comes, there
// is no printer (all the services' defaults), and a message box, which no one could
// answer, goes to the error stream and answers 0 (not shown). The copy of the program
// that only hands over to a running one needs nothing more.

#include <string>

#include "platform/machines/Backend.h"

class NullBackend : public Backend {
public:
    bool TellWithoutDisplay(const std::string& text, const std::string& caption) override;
};
