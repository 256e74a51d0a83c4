#include "backend/baton.h"

namespace lw {

void Baton::WaitForAppTurn(std::unique_lock<std::mutex>& lock) {
  changed_.wait(lock, [this] { return appTurn_; });
  if (closing_) throw SessionClosing{};
}

void Baton::YieldToDriver() {
  std::unique_lock<std::mutex> lock(mutex_);
  appTurn_ = false;
  changed_.notify_all();
  WaitForAppTurn(lock);
}

void Baton::WaitForFirstTurn() {
  std::unique_lock<std::mutex> lock(mutex_);
  WaitForAppTurn(lock);
}

void Baton::AppFinished() {
  std::lock_guard<std::mutex> lock(mutex_);
  finished_ = true;
  appTurn_ = false;
  changed_.notify_all();
}

void Baton::RunApp() {
  std::unique_lock<std::mutex> lock(mutex_);
  if (finished_) return;
  appTurn_ = true;
  changed_.notify_all();
  changed_.wait(lock, [this] { return !appTurn_; });
}

void Baton::Close() {
  std::lock_guard<std::mutex> lock(mutex_);
  closing_ = true;
}

}  // namespace lw
