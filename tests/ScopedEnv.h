#pragma once

#include <cstdlib>
#include <string>

// An environment variable set to a value, or unset with nullptr, while the object lives. On
// Windows an empty value unsets it as well: its C library keeps no empty variables.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const char* value) : name(name)
    {
        const char* old = std::getenv(name);
        hadPrevious = old != nullptr;
        previous = old ? old : "";
        Set(name, value);
    }
    ~ScopedEnv() { Set(name.c_str(), hadPrevious ? previous.c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    static void Set(const char* name, const char* value)
    {
#ifdef _WIN32
        _putenv_s(name, value ? value : "");
#else
        value ? setenv(name, value, 1) : unsetenv(name);
#endif
    }

    std::string name;
    std::string previous;
    bool hadPrevious;
};
