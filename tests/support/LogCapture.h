#pragma once
// Turns the diagnostic log on for one test (in the test's current directory) and
// reads back the messages written, without their time stamps.

#include <string>
#include <vector>

class LogCapture {
public:
    LogCapture();
    ~LogCapture();

    std::vector<std::string> Messages() const;
    bool Contains(const std::string& message) const;
    // Forgets the messages written so far.
    void Clear() const;

private:
    int m_previous;
};
