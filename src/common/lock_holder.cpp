#include "common/lock_holder.h"

#include <charconv>
#include <chrono>
#include <cstdio>

#include "common/platform_files.h"

namespace bunrako {
namespace {

constexpr std::string_view kComputer = "computer=";
constexpr std::string_view kUser = "user=";
constexpr std::string_view kProcess = "process=";
constexpr std::string_view kSince = "since=";

std::string nowText() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    const std::tm local = platform::localTime(now);
    char text[96];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalWithoutCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
}

}  // namespace

LockHolder LockHolder::ofThisProcess() {
    return {platform::computerName(), platform::userName(), platform::processId(), nowText()};
}

std::string LockHolder::text() const {
    std::string text;
    text.append(kComputer).append(computer).append("\n");
    text.append(kUser).append(user).append("\n");
    text.append(kProcess).append(std::to_string(process)).append("\n");
    text.append(kSince).append(since).append("\n");
    return text;
}

std::optional<LockHolder> LockHolder::parse(std::string_view text) {
    LockHolder holder;
    bool hasComputer = false;
    bool hasProcess = false;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.starts_with(kComputer)) {
            holder.computer = line.substr(kComputer.size());
            hasComputer = true;
        } else if (line.starts_with(kUser)) {
            holder.user = line.substr(kUser.size());
        } else if (line.starts_with(kSince)) {
            holder.since = line.substr(kSince.size());
        } else if (line.starts_with(kProcess)) {
            const std::string_view digits = line.substr(kProcess.size());
            const auto [rest, error] =
                std::from_chars(digits.data(), digits.data() + digits.size(), holder.process);
            hasProcess = error == std::errc() && rest == digits.data() + digits.size();
        }
    }
    if (!hasComputer || !hasProcess) return std::nullopt;
    return holder;
}

bool LockHolder::onThisComputer() const {
    return equalWithoutCase(computer, platform::computerName());
}

}  // namespace bunrako
