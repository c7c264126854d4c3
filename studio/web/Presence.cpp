#include "studio/web/Presence.h"

namespace studio::web {

namespace {
// Pages silent this long are forgotten, so the table stays small.
constexpr auto kForget = std::chrono::minutes(10);
}  // namespace

void Presence::heartbeat(const std::string& client)
{
    if (client.empty()) return;
    std::lock_guard lock(mutex_);
    Clock::time_point now = Clock::now();
    std::erase_if(seen_, [&](const auto& entry) { return now - entry.second > kForget; });
    seen_[client] = now;
}

void Presence::farewell(const std::string& client)
{
    std::lock_guard lock(mutex_);
    seen_.erase(client);
    if (!client.empty() && client == watched_) farewell_ = true;
}

void Presence::watch(const std::string& client)
{
    std::lock_guard lock(mutex_);
    watched_ = seen_.contains(client) ? client : std::string();
    farewell_ = false;
}

void Presence::unwatch()
{
    std::lock_guard lock(mutex_);
    watched_.clear();
    farewell_ = false;
}

bool Presence::lost(std::chrono::milliseconds timeout) const
{
    std::lock_guard lock(mutex_);
    if (watched_.empty()) return false;
    if (farewell_) return true;
    if (waiting_.contains(watched_)) return false;
    auto it = seen_.find(watched_);
    return it == seen_.end() || Clock::now() - it->second > timeout;
}

std::string Presence::watched() const
{
    std::lock_guard lock(mutex_);
    return watched_;
}

Presence::Waiting::Waiting(Presence& presence, std::string client) : presence_(presence), client_(std::move(client))
{
    if (client_.empty()) return;
    std::lock_guard lock(presence_.mutex_);
    ++presence_.waiting_[client_];
}

Presence::Waiting::~Waiting()
{
    if (client_.empty()) return;
    std::lock_guard lock(presence_.mutex_);
    auto it = presence_.waiting_.find(client_);
    if (it != presence_.waiting_.end() && --it->second == 0) presence_.waiting_.erase(it);
    // Only pages that beat are timed: a script that never did stays unwatched.
    if (auto seen = presence_.seen_.find(client_); seen != presence_.seen_.end()) seen->second = Clock::now();
}

}  // namespace studio::web
