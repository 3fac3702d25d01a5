// An environment variable set (or, given nullptr, unset) for the lifetime of the object, with
// what was there before put back; a change of TZ also moves the C library's clock to it.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

class ScopedEnv {
public:
    ScopedEnv(std::string name, const char* value) : m_name(std::move(name)) {
        if (const char* old = std::getenv(m_name.c_str())) m_previous = old;
        Set(value);
    }
    ~ScopedEnv() { Set(m_previous ? m_previous->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

    void Set(const char* value) {
        value ? ::setenv(m_name.c_str(), value, 1) : ::unsetenv(m_name.c_str());
        if (m_name == "TZ") ::tzset();
    }

private:
    std::string m_name;
    std::optional<std::string> m_previous;
};
