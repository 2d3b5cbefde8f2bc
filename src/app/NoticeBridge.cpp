// Synchronous notices across threads, released at close.
#include "app/NoticeBridge.h"

#include <QMetaObject>

#include <memory>

namespace tarvik {

NoticeBridge::NoticeBridge(QObject* receiver, NoticeHandler notice, MessageHandler message, TraceHandler trace)
    : receiver_(receiver),
      notice_(std::move(notice)),
      message_(std::move(message)),
      trace_(std::move(trace)),
      uiThread_(std::this_thread::get_id()) {}

void NoticeBridge::message(const std::string& text, const std::string& caption) {
    // Messages come from discovery and the data files, which run on the interface thread.
    message_(text, caption);
}

void NoticeBridge::notice(int code, int value) {
    if (std::this_thread::get_id() == uiThread_) {
        notice_(code, value);
        return;
    }
    auto done = std::make_shared<bool>(false);
    {
        std::lock_guard lock(mutex_);
        if (closed_) return;
    }
    QMetaObject::invokeMethod(
        receiver_,
        [this, code, value, done] {
            notice_(code, value);
            std::lock_guard lock(mutex_);
            *done = true;
            handled_.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(mutex_);
    handled_.wait(lock, [&] { return *done || closed_; });
}

void NoticeBridge::trace(const std::string& line) { trace_(line); }

void NoticeBridge::close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    handled_.notify_all();
}

}  // namespace tarvik
