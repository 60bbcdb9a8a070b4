// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Environment variables set or removed for the length of a scope, each put back as it was when the scope
// ends: a test that runs without a home folder or with settings of its own leaves the next one the
// environment it found.
#include <QByteArray>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class EnvironmentScope {
public:
    EnvironmentScope() = default;
    EnvironmentScope(const EnvironmentScope&) = delete;
    EnvironmentScope& operator=(const EnvironmentScope&) = delete;
    ~EnvironmentScope() {
        for (auto it = saved.rbegin(); it != saved.rend(); ++it) {
            if (it->second) {
                qputenv(it->first.c_str(), *it->second);
            } else {
                qunsetenv(it->first.c_str());
            }
        }
    }

    void Set(const char* variable, const QByteArray& value) {
        Save(variable);
        qputenv(variable, value);
    }
    void Unset(const char* variable) {
        Save(variable);
        qunsetenv(variable);
    }

private:
    void Save(const char* variable) {
        saved.emplace_back(variable, qEnvironmentVariableIsSet(variable)
                                         ? std::optional<QByteArray>(qgetenv(variable))
                                         : std::nullopt);
    }

    std::vector<std::pair<std::string, std::optional<QByteArray>>> saved;
};
