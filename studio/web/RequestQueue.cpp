#include "studio/web/RequestQueue.h"

#include <nlohmann/json.hpp>

namespace studio::web {

Reply RequestQueue::stoppingReply()
{
    return {503, "application/json", nlohmann::json{{"ok", false}, {"error", "the studio is stopping"}}.dump(), "", {}};
}

Reply RequestQueue::supersededReply()
{
    return {200, "application/json", nlohmann::json{{"ok", true}, {"superseded", true}}.dump(), "", {}};
}

void RequestQueue::push(Request request)
{
    std::optional<Request> superseded;
    {
        std::lock_guard lock(mutex_);
        if (!closed_) {
            if (request.coalesceKey && !queue_.empty() && queue_.back().coalesceKey == request.coalesceKey) {
                superseded = std::move(queue_.back());
                queue_.back() = std::move(request);
            } else {
                queue_.push_back(std::move(request));
            }
            ready_.notify_one();
            if (!superseded) return;
        }
    }
    if (superseded)
        superseded->reply.set_value(supersededReply());
    else
        request.reply.set_value(stoppingReply());
}

std::optional<Request> RequestQueue::pop(std::chrono::milliseconds wait)
{
    std::unique_lock lock(mutex_);
    ready_.wait_for(lock, wait, [&] { return closed_ || !queue_.empty(); });
    if (closed_ || queue_.empty()) return std::nullopt;
    Request next = std::move(queue_.front());
    queue_.pop_front();
    return next;
}

void RequestQueue::pushFront(Request request)
{
    {
        std::lock_guard lock(mutex_);
        if (!closed_) {
            queue_.push_front(std::move(request));
            ready_.notify_one();
            return;
        }
    }
    request.reply.set_value(stoppingReply());
}

bool RequestQueue::empty() const
{
    std::lock_guard lock(mutex_);
    return queue_.empty();
}

void RequestQueue::close()
{
    std::deque<Request> left;
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        left.swap(queue_);
        ready_.notify_all();
    }
    for (Request& r : left) r.reply.set_value(stoppingReply());
}

bool RequestQueue::closed() const
{
    std::lock_guard lock(mutex_);
    return closed_;
}

Reply call(RequestQueue& queue, Request request, std::chrono::milliseconds timeout)
{
    std::future<Reply> reply = request.reply.get_future();
    queue.push(std::move(request));
    if (reply.wait_for(timeout) != std::future_status::ready)
        return {503,
                "application/json",
                nlohmann::json{{"ok", false}, {"error", "the studio is still busy; try again"}}.dump(),
                "",
                {}};
    return reply.get();
}

}  // namespace studio::web
