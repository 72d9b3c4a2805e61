#include "tests/support/LogCapture.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "diag/Log.h"

LogCapture::LogCapture() : m_previous(IsLogging()) {
    std::remove("log.txt");
    SetLogging(1);
}

LogCapture::~LogCapture() {
    SetLogging(m_previous);
}

void LogCapture::Clear() const {
    std::remove("log.txt");
}

std::vector<std::string> LogCapture::Messages() const {
    std::vector<std::string> messages;
    std::ifstream log("log.txt");
    for (std::string line; std::getline(log, line);) {
        const auto tab = line.find(":\t");
        messages.push_back(tab == std::string::npos ? line : line.substr(tab + 2));
    }
    return messages;
}

bool LogCapture::Contains(const std::string& message) const {
    const auto messages = Messages();
    return std::find(messages.begin(), messages.end(), message) != messages.end();
}
