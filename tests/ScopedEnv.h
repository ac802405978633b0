#pragma once

#include <cstdlib>
#include <string>

// An environment variable set to a value, or unset with nullptr, while the object lives.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const char* value) : name(name)
    {
        const char* old = std::getenv(name);
        hadPrevious = old != nullptr;
        previous = old ? old : "";
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv()
    {
        hadPrevious ? setenv(name.c_str(), previous.c_str(), 1) : unsetenv(name.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name;
    std::string previous;
    bool hadPrevious;
};
