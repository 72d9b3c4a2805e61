#pragma once
// Turns the diagnostic log on for one test (in the test's current directory) and
// reads back the messages written, without their time stamps.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "diag/Log.h"

class LogCapture {
public:
    LogCapture() : m_previous(IsLogging()) {
        Clear();
        SetLogging(1);
    }
    ~LogCapture() { SetLogging(m_previous); }

    std::vector<std::string> Messages() const {
        std::vector<std::string> messages;
        std::ifstream log("log.txt");
        for (std::string line; std::getline(log, line);) {
            const auto tab = line.find(":\t");
            messages.push_back(tab == std::string::npos ? line : line.substr(tab + 2));
        }
        return messages;
    }
    bool Contains(const std::string& message) const {
        const auto messages = Messages();
        return std::find(messages.begin(), messages.end(), message) != messages.end();
    }
    // Forgets the messages written so far.
    void Clear() const { std::remove("log.txt"); }

private:
    int m_previous;
};
