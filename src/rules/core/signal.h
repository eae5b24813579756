#pragma once
// A plain signal for the rules' events: any number of listeners, each held by
// a Connection that removes it when dropped. Anyone may listen, even through
// a const view of the game; only the signal's Owner may send it. No Qt: the
// rules stay plain C++.
#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace kararion {

class Connection {
public:
    Connection() = default;
    explicit Connection(std::function<void()> disconnect) : disconnect_(std::move(disconnect)) {}
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    Connection(Connection&& other) noexcept : disconnect_(std::exchange(other.disconnect_, nullptr)) {}
    Connection& operator=(Connection&& other) noexcept {
        if (this != &other) {
            Disconnect();
            disconnect_ = std::exchange(other.disconnect_, nullptr);
        }
        return *this;
    }
    ~Connection() { Disconnect(); }

    void Disconnect() {
        if (disconnect_) std::exchange(disconnect_, nullptr)();
    }

private:
    std::function<void()> disconnect_;
};

template <typename Owner, typename... Args>
class Signal {
public:
    Signal() = default;
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;

    // Listening changes nothing the game holds, so a const view may do it.
    [[nodiscard]] Connection Connect(std::function<void(const Args&...)> listener) const {
        auto entry = std::make_shared<Listener>(Listener{std::move(listener), true});
        listeners_->push_back(entry);
        // The connection may outlive the signal: it holds the list weakly.
        std::weak_ptr<std::vector<std::shared_ptr<Listener>>> list = listeners_;
        return Connection([list, entry] {
            entry->connected = false;
            if (auto alive = list.lock()) std::erase(*alive, entry);
        });
    }

    std::size_t ListenerCount() const { return listeners_->size(); }

private:
    friend Owner;

    void operator()(const Args&... args) const {
        // Over a copy: a listener may connect or disconnect others while it is told,
        // and one disconnected meanwhile hears nothing more.
        const std::vector<std::shared_ptr<Listener>> now = *listeners_;
        for (const auto& entry : now)
            if (entry->connected) entry->call(args...);
    }

    struct Listener {
        std::function<void(const Args&...)> call;
        bool connected;
    };
    std::shared_ptr<std::vector<std::shared_ptr<Listener>>> listeners_ =
        std::make_shared<std::vector<std::shared_ptr<Listener>>>();
};

}  // namespace kararion
