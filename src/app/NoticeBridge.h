// Carries device notices from the listener thread to the interface thread and waits until the
// interface thread has shown them, as a synchronous window message would. Unlike a blocking
// queued call, the wait ends when the window closes, so stopping the listener from the
// interface thread can never deadlock on a notice in flight.
#pragma once

#include <QObject>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/UserSink.h"

namespace tarvik {

class NoticeBridge : public platform::UserSink {
public:
    using NoticeHandler = std::function<void(int code, int value)>;
    using MessageHandler = std::function<void(const std::string& text, const std::string& caption)>;
    using TraceHandler = std::function<void(const std::string& line)>;

    // `receiver` lives on the interface thread; the handlers run there.
    NoticeBridge(QObject* receiver, NoticeHandler notice, MessageHandler message, TraceHandler trace);

    void message(const std::string& text, const std::string& caption) override;
    void notice(int code, int value) override;
    void trace(const std::string& line) override;
    // From now on notices are dropped and every waiting sender is released.
    void close();

private:
    QObject* receiver_;
    NoticeHandler notice_;
    MessageHandler message_;
    TraceHandler trace_;
    std::thread::id uiThread_;
    std::mutex mutex_;
    std::condition_variable handled_;
    bool closed_ = false;
};

}  // namespace tarvik
